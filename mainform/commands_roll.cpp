// The roller-shutter row: no box on a 100 mm frame where the element's cut
// positions forbid it, else the box dialog.

#include "dialogs/Rollkastendlg.h"
#include "mainform/vm_mainform.h"

void TForm1::LRollClick(QObject*) {
    state.RefreshElementPositions();
    if (state.CheckRollkastenRahmen()) {
        state.RemoveRollkastenIfInvalid();
        return;
    }
    state.LoadRollkaesten();
    const auto chosen = vm::Ask<TRollkastenForm>(
        {state.service, state.request, state.rollkasten, state.elementSize}, MessageOwner());
    if (chosen) state.ChooseBox(chosen->chosen);
}
