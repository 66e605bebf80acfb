// The article rows (frame, sash, mullion, astragal, both glazing beads) and
// the profile series: each opens its choice and reloads what depends on it.

#include <algorithm>
#include <iterator>

#include "dialogs/Artikeldlg.h"
#include "dialogs/Nameiddlg.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"
#include "platform/os/locals.h"
#include "ui/list_helpers.h"

namespace {

// Series that always take aluminium cladding shells where they offer them.
constexpr int kCladdingSeries[] = {8830, 10222};
constexpr int kElementNone = -2;
// The kind of list the name dialog shows: profile series.
constexpr int kSeriesKind = 6;

// One article row's command: the row counts as the user's choice only when
// the choice was made.
bool ChooseRowArticle(TForm1& form, TForm1::UserChoice choice, std::vector<velmar_artikel>& list,
                      int typeCode, int& number, vm::ClickLabel* nameLabel, QLabel* secondLabel,
                      bool withReinforcement) {
    form.ReadNumbersBack();
    form.userChoice[choice] = true;
    const bool chosen =
        form.SelectArtikel(list, typeCode, number, nameLabel, secondLabel, withReinforcement, true);
    if (!chosen) form.userChoice[choice] = false;
    return chosen;
}

} // namespace

void TForm1::BtnRahmenClick(QObject*) {
    ChooseRowArticle(*this, ucRahmen, request.frames, ks_konst::frame, request.frameId, LRahmenName,
                     LAusRahmen, true);
    // A new frame may not carry the box any more.
    if (rollkasten.box.id != 0) RemoveRollkastenIfInvalid();
}

void TForm1::BtnFluegelClick(QObject*) {
    ChooseRowArticle(*this, ucFluegel, request.sashes, ks_konst::sash, request.sashId, LFluegelName,
                     LAusFluegel, true);
}

void TForm1::BtnPfostenClick(QObject*) {
    ChooseRowArticle(*this, ucPfosten, request.mullions, ks_konst::mullion, request.mullionId,
                     LPfostenName, LAusPfosten, true);
}

void TForm1::BtnStulpClick(QObject*) {
    ChooseRowArticle(*this, ucStulp, request.astragals, ks_konst::astragal, request.astragalId,
                     LStulpName, LAusStulp, true);
}

void TForm1::BtnGlasleisteRClick(QObject*) {
    ChooseRowArticle(*this, ucGlasleisteR, request.beadsFrameSide, ks_konst::glazingBead,
                     request.beadFrameSideId, LGlasleisteRName, nullptr, false);
}

void TForm1::BtnGlasleisteFClick(QObject*) {
    ChooseRowArticle(*this, ucGlasleisteF, request.beadsSashSide, ks_konst::glazingBead,
                     request.beadSashSideId, LGlasleisteFName, nullptr, false);
}

bool TForm1::SelectArtikel(std::vector<velmar_artikel>& list, int typeCode, int& number,
                           vm::ClickLabel* nameLabel, QLabel* /*secondLabel*/,
                           bool withReinforcement, bool showResult) {
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
    const bool standardOnly = typeCode != ks_konst::coupling && typeCode != ks_konst::glazingBead;
    TArtikelForm dialog(service, standardOnly, withReinforcement, steel2, steel1, typeCode, number,
                        list, request, MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return false;

    velmar_artikel* chosen = vm::EntryAt(list, dialog.chosenIndex);
    number = chosen != nullptr ? chosen->nameId.id : -1;
    if (chosen != nullptr && withReinforcement) {
        chosen->steel1 = dialog.chosenSteel1;
        chosen->steel2 = dialog.chosenSteel2;
    }
    if (showResult) {
        SetArtikelLabel(nameLabel, list, number);
        int level = 60;
        if (nameLabel == LGlasleisteRName || nameLabel == LGlasleisteFName)
            level = 100;
        else if (nameLabel == LStulpName || nameLabel == LKopplungSenkName ||
                 nameLabel == LKopplungWaagName)
            level = 70;
        UpdateData(level, true, 0);
    }
    return true;
}

void TForm1::BtnSystemClick(QObject*) {
    ReadNumbersBack();
    const int previousSystem = request.systemId;
    option1 = false;

    TNameIdForm dialog(elementCode != ks_element::doorLeafAsFrame && elementCode != kElementNone,
                       !option2, option1, kSeriesKind, request.systemId, request.systems, request,
                       localText("IDS_CAP_SYSTEM"), localText("IDS_SUB_SYSTEM"), MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return;

    const velmar_nameid* chosen = vm::EntryAt(request.systems, dialog.chosenIndex);
    request.systemId = chosen != nullptr ? chosen->id : -1;
    bool cladding = dialog.cladding;
    if (std::ranges::find(kCladdingSeries, request.systemId) != std::end(kCladdingSeries))
        cladding = true;
    option1 = cladding;
    option2 = !dialog.secondOption;
    SetNameIdLabel(LSystemName, request.systems, request.systemId);
    ApplyFirstFlagRule();

    if (request.systemId != previousSystem) {
        // The articles of the old series mean nothing in the new one: the
        // reload takes the new series' defaults.
        for (int* number : {&request.frameId, &request.sashId, &request.mullionId,
                            &request.astragalId, &request.glassId})
            *number = 1;
        ornamentId = 0;
        ornamentName.clear();
        for (auto* list : {&request.frames, &request.sashes, &request.mullions, &request.astragals,
                           &request.glasses})
            list->clear();
        SetArtikelLabel(LRahmenName, request.frames, request.frameId);
        SetArtikelLabel(LFluegelName, request.sashes, request.sashId);
        SetArtikelLabel(LPfostenName, request.mullions, request.mullionId);
        SetArtikelLabel(LStulpName, request.astragals, request.astragalId);
        SetArtikelLabel(LGlasName, request.glasses, request.glassId);
        rollkasten.box.id = 0;
    }
    // The host hears of a series choice, even of the same series, alone.
    userChoice[ucSystemChanged] = true;
    UpdateData(45, true, 0);
}
