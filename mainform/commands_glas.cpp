// The glass row: the glass dialog, then the glazing beads are reloaded.

#include "dialogs/Glasdlg.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"

void TForm1::BtnGlasClick(QObject*) {
    state.ReadNumbersBack();
    vm::FormState& s = state;
    TGlasForm dialog(s.service, s.spacerCode, s.request.beadSashSideId, ks_konst::sash,
                     s.request.sashId, false, s.psiG, s.ugValue, s.request.glassId,
                     s.request.glasses, s.request, MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return;
    s.ChooseGlass(dialog.resultGlass, dialog.ug, dialog.psiG);
}
