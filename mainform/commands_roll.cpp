// The roller-shutter row and the one combination rule of the form: no box on
// a 100 mm frame where the element's cut positions forbid it.

#include "mainform/vm_mainform.h"

void TForm1::LRollClick(QObject*) {}

bool TForm1::CheckRollkastenRahmen() {
    return false;
}

void TForm1::RemoveRollkastenIfInvalid() {}
