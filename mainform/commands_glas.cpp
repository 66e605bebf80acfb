// The glass row: the glass dialog, then the glazing beads are reloaded.

#include "dialogs/Glasdlg.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"

void TForm1::BtnGlasClick(QObject*) {
    state.ReadNumbersBack();
    vm::FormState& s = state;
    const auto chosen = vm::Ask<TGlasForm>({.service = s.service,
                                            .request = s.request,
                                            .glasses = s.request.glasses,
                                            .currentId = s.request.glassId,
                                            .psiG = s.psiG,
                                            .showGlazingBeads = false,
                                            .konstType = ks_konst::sash,
                                            .profileId = s.request.sashId,
                                            .glazingBeadId = s.request.beadSashSideId},
                                           MessageOwner());
    if (!chosen) return;
    s.ChooseGlass(chosen->chosen, chosen->ug, chosen->psiG);
}
