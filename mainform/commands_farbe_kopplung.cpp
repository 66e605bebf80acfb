// The colour row and the two coupling rows.

#include "dialogs/Colordlg.h"
#include "dialogs/Kopplungdlg.h"
#include "mainform/vm_mainform.h"

void TForm1::BtnFarbeClick(QObject*) {
    state.ReadNumbersBack();
    vm::FormState& s = state;
    TColorDlg dialog({.service = s.service,
                      .request = s.request,
                      .colours = s.request.colours,
                      .currentId = s.request.colourId,
                      .text = s.colourCode},
                     MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return;
    s.ChooseColour(dialog.result.chosenId, dialog.result.text);
}

bool TForm1::OpenKopplungDialog(const std::vector<velmar_artikel>& list, int number,
                                CouplingChoice& choice) {
    int reinforcement = 0;
    for (const velmar_artikel& candidate : list)
        if (candidate.nameId.id == number) {
            reinforcement = candidate.steel1.nameId.id;
            break;
        }
    TKopplungForm dialog({state.service, state.request, reinforcement, number, list},
                         MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return false;
    choice = {dialog.result.chosenIndex, dialog.result.reinforcement};
    return true;
}

void TForm1::ChooseRowCoupling(vm::FormRow row) {
    state.ReadNumbersBack();
    CouplingChoice choice;
    if (OpenKopplungDialog(*state.ArticleList(row), *state.NumberField(row), choice))
        state.ChooseCoupling(row, choice.index, choice.reinforcement);
}

void TForm1::BtnKopplungSenkClick(QObject*) {
    ChooseRowCoupling(vm::FormRow::KopplungSenk);
}

void TForm1::LKopplungWaagNameClick(QObject*) {
    ChooseRowCoupling(vm::FormRow::KopplungWaag);
}
