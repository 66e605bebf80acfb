// The colour row and the two coupling rows.

#include "dialogs/Colordlg.h"
#include "mainform/article_dialogs.h"
#include "mainform/vm_mainform.h"

void TForm1::BtnFarbeClick(QObject*) {
    state.ReadNumbersBack();
    Materialdaten& r = state.request;
    const auto chosen = vm::Ask<TColorDlg>(
        {state.service, r, r.colours, r.colourId, state.colourCode}, MessageOwner());
    if (chosen) state.ChooseColour(chosen->chosenId, chosen->text);
}

namespace vm {

std::optional<TKopplungForm::Result>
AskCoupling(FormState& state, QWidget* owner, const std::vector<velmar_artikel>& list, int number) {
    int reinforcement = 0;
    for (const velmar_artikel& candidate : list)
        if (candidate.nameId.id == number) {
            reinforcement = candidate.steel1.nameId.id;
            break;
        }
    return Ask<TKopplungForm>({state.service, state.request, reinforcement, number, list}, owner);
}

} // namespace vm

void TForm1::ChooseRowCoupling(vm::FormRow row) {
    state.ReadNumbersBack();
    const auto chosen =
        vm::AskCoupling(state, MessageOwner(), *state.ArticleList(row), *state.NumberField(row));
    if (chosen) state.ChooseCoupling(row, chosen->chosenIndex, chosen->reinforcement);
}

void TForm1::BtnKopplungSenkClick(QObject*) {
    ChooseRowCoupling(vm::FormRow::KopplungSenk);
}

void TForm1::LKopplungWaagNameClick(QObject*) {
    ChooseRowCoupling(vm::FormRow::KopplungWaag);
}
