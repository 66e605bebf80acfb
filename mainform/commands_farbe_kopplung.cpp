// The colour row and the two coupling rows.

#include "mainform/vm_mainform.h"

void TForm1::BtnFarbeClick(QObject*) {}
void TForm1::BtnKopplungSenkClick(QObject*) {}
void TForm1::LKopplungWaagNameClick(QObject*) {}

bool TForm1::SelectKopplung(std::vector<velmar_artikel>&, int&, bool, bool) {
    return false;
}
