// The article rows (frame, sash, mullion, astragal, both glazing beads) and
// the profile series: each opens its dialog and hands the choice to the
// state, which reloads what depends on it.

#include <algorithm>

#include "dialogs/Nameiddlg.h"
#include "mainform/article_dialogs.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"
#include "platform/os/locals.h"

namespace {

constexpr int kElementNone = -2;
// The kind of list the name dialog shows: profile series.
constexpr int kSeriesKind = 6;

} // namespace

namespace vm {

std::optional<TArtikelForm::Result> AskArticle(FormState& state, QWidget* owner,
                                               const std::vector<velmar_artikel>& list,
                                               int konstType, int number, bool withReinforcement) {
    int steel1 = 0;
    int steel2 = 0;
    if (withReinforcement) {
        const auto current = std::find_if(list.begin(), list.end(), [number](const auto& entry) {
            return entry.nameId.id == number;
        });
        if (current != list.end()) {
            steel1 = current->steel1.nameId.id;
            steel2 = current->steel2.nameId.id;
        }
    }
    const bool standardOnly = konstType != ks_konst::coupling && konstType != ks_konst::glazingBead;
    return Ask<TArtikelForm>({state.service, state.request, standardOnly, withReinforcement, steel2,
                              steel1, konstType, number, list},
                             owner);
}

} // namespace vm

void TForm1::ChooseRowArticle(vm::FormRow row, int konstType, bool withReinforcement) {
    state.ReadNumbersBack();
    const auto chosen = vm::AskArticle(state, MessageOwner(), *state.ArticleList(row), konstType,
                                       *state.NumberField(row), withReinforcement);
    if (!chosen) return;
    state.ChooseArticle(row, chosen->chosenIndex,
                        withReinforcement ? &chosen->reinforcement1 : nullptr,
                        withReinforcement ? &chosen->reinforcement2 : nullptr);
}

void TForm1::BtnRahmenClick(QObject*) {
    ChooseRowArticle(vm::FormRow::Rahmen, ks_konst::frame, true);
    // A new frame may not carry the box any more.
    if (state.rollkasten.box.id != 0) state.RemoveRollkastenIfInvalid();
}

void TForm1::BtnFluegelClick(QObject*) {
    ChooseRowArticle(vm::FormRow::Fluegel, ks_konst::sash, true);
}

void TForm1::BtnPfostenClick(QObject*) {
    ChooseRowArticle(vm::FormRow::Pfosten, ks_konst::mullion, true);
}

void TForm1::BtnStulpClick(QObject*) {
    ChooseRowArticle(vm::FormRow::Stulp, ks_konst::astragal, true);
}

void TForm1::BtnGlasleisteRClick(QObject*) {
    ChooseRowArticle(vm::FormRow::GlasleisteR, ks_konst::glazingBead, false);
}

void TForm1::BtnGlasleisteFClick(QObject*) {
    ChooseRowArticle(vm::FormRow::GlasleisteF, ks_konst::glazingBead, false);
}

void TForm1::BtnSystemClick(QObject*) {
    state.ReadNumbersBack();
    // The dialog offers the cladding afresh: it is off until the dialog says.
    state.option1 = false;
    const int code = state.elementCode;
    const bool secondOption = !state.option2;
    const auto chosen = vm::Ask<TNameIdForm>(
        {.service = state.service,
         .request = state.request,
         .entries = state.request.systems,
         .currentId = state.request.systemId,
         .cladding = state.option1,
         .caption = localText("IDS_CAP_SYSTEM"),
         .subtitle = localText("IDS_SUB_SYSTEM"),
         .optionVisible = code != ks_element::doorLeafAsFrame && code != kElementNone,
         .secondOption = secondOption,
         .kind = kSeriesKind},
        MessageOwner());
    if (!chosen) return;
    state.ChooseSeries(chosen->chosenIndex, chosen->cladding, secondOption);
}
