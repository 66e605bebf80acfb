// The glass row: the glass dialog, then the glazing beads are reloaded.

#include "dialogs/Glasdlg.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"

void TForm1::BtnGlasClick(QObject*) {
    ReadNumbersBack();
    TGlasForm dialog(service, spacerCode, request.beadSashSideId, ks_konst::sash, request.sashId,
                     false, psiG, ugValue, request.glassId, request.glasses, request,
                     MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return;
    request.glassId = dialog.resultGlass.nameId.id;
    SetArtikelLabel(LGlasName, request.glasses, request.glassId);
    ugValue = dialog.ug;
    psiG = dialog.psiG;
    spacerCode = dialog.resultGlass.intValue;
    ornamentId = dialog.resultGlass.steel1.nameId.id;
    ornamentName = dialog.resultGlass.steel1.nameId.name;
    ShowGlasRow();
    userChoice[ucGlas] = true;
    UpdateData(80, true, 0);
}
