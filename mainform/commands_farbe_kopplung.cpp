// The colour row and the two coupling rows.

#include "dialogs/Colordlg.h"
#include "dialogs/Kopplungdlg.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"
#include "ui/list_helpers.h"

namespace {

velmar_artikel* CandidateWithNumber(std::vector<velmar_artikel>& list, int number) {
    for (velmar_artikel& candidate : list)
        if (candidate.nameId.id == number) return &candidate;
    return nullptr;
}

} // namespace

void TForm1::BtnFarbeClick(QObject*) {
    ReadNumbersBack();
    TColorDlg dialog(request.colourId, request.colours, request, service, colourCode,
                     MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return;
    colourCode = dialog.colourText;
    request.colourId = dialog.colourId;
    SetNameIdLabel(LFarbeName, request.colours, request.colourId);
    userChoice[ucFarbe] = true;
    UpdateData(50, true, 0);
}

void TForm1::BtnKopplungSenkClick(QObject*) {
    ReadNumbersBack();
    userChoice[ucKopplungSenk] = true;
    // A cancelled choice must not be reported by a later reload.
    if (!SelectKopplung(request.couplingsVertical, request.couplingVerticalId, true, false))
        userChoice[ucKopplungSenk] = false;
}

void TForm1::LKopplungWaagNameClick(QObject*) {
    ReadNumbersBack();
    userChoice[ucKopplungWaag] = true;
    if (!SelectKopplung(request.couplingsHorizontal, request.couplingHorizontalId, true, true))
        userChoice[ucKopplungWaag] = false;
}

bool TForm1::SelectKopplung(std::vector<velmar_artikel>& list, int& number, bool showResult,
                            bool horizontal) {
    const velmar_artikel* current = CandidateWithNumber(list, number);
    TKopplungForm dialog(current != nullptr ? current->steel1.nameId.id : 0, number, list, request,
                         service, MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return false;
    const velmar_artikel* chosen = vm::EntryAt(list, dialog.chosenIndex);
    number = chosen != nullptr ? chosen->nameId.id : -1;
    if (showResult)
        SetArtikelLabel(horizontal ? LKopplungWaagName : LKopplungSenkName, list, number);
    if (velmar_artikel* candidate = CandidateWithNumber(list, number)) {
        candidate->steel1 = dialog.reinforcement;
        // A reinforcement that fills both chambers sits in the second too.
        if ((candidate->nameId.intValue & ks_coupling::bothChambers) != 0)
            candidate->steel2 = dialog.reinforcement;
    }
    if (showResult) UpdateData(70, true, 0);
    return true;
}
