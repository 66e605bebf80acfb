#include "dialogs/Glasdlg.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include <cmath>

#include "model/ks_lists.h"
#include "platform/os/locals.h"
#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/preview.h"
#include "ui/request_lists.h"

namespace {

// A glass whose flags carry this bit has no edge seal (a panel): no PsiG is
// shown and its Psi and spacer code stay as they are.
constexpr int kNoEdgeSeal = 2;
constexpr int kFrame = 11;
constexpr int kGlazingBead = 26;
constexpr int kHeightWithoutBeads = 410;

bool HasEdgeSeal(const velmar_artikel& glass) {
    return (glass.nameId.intValue & kNoEdgeSeal) == 0;
}

} // namespace

const std::vector<TGlasForm::Spacer>& TGlasForm::Spacers() {
    static const std::vector<Spacer> spacers = {
        {"IDS_PSI_ALU", 0.07, 1},          {"IDS_PSI_ALUSTAHL", 0.08, 2},
        {"IDS_PSI_EDELSTAHL", 0.05, 3},    {"IDS_PSI_ITS", 0.04, 4},
        {"IDS_PSI_SWISS", 0.04, 5},        {"IDS_PSI_SWISSV", 0.03, 6},
        {"IDS_PSI_THERMIX", 0.04, 7},      {"IDS_PSI_TGI", 0.04, 8},
        {"IDS_PSI_TIS", 0.05, 9},          {"IDS_PSI_TPS", 0.04, 10},
        {"IDS_PSI_WARMEKANTE", 0.041, 11}, {"", -1.0, -1},
    };
    return spacers;
}

TGlasForm::TGlasForm(const Inputs& in, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("GlasForm"), QStringLiteral("Verglasung wählen"), 739,
                      622),
      service_(in.service), request_(in.request), glasses_(in.glasses),
      showGlazingBeads_(in.showGlazingBeads), profileId_(in.profileId), konstType_(in.konstType),
      glazingBeadId_(in.glazingBeadId), glassId_(in.currentId), psiG_(in.psiG) {
    Label4 = AddLabel("Label4", QStringLiteral("Verglasung"), 8, 8);
    ListBox1 = AddListBox("ListBox1", 8, 24, 433, 241);
    Label7 = AddLabel("Label7", QStringLiteral("Ornament/Funktionsgläser"), 456, 5);
    LbOrnamente = AddListBox("LbOrnamente", 456, 24, 275, 241);
    Label5 = AddLabel("Label5", QStringLiteral("Glasleiste"), 8, 280);
    ListBox2 = AddListBox("ListBox2", 7, 296, 434, 209);
    Panel2 = AddPanel("Panel2", 456, 296, 275, 208);
    PsiGMaterial = AddLabel("PsiGMaterial", QStringLiteral("---"), 472, 518);
    PsiGMaterial->hide();
    Label2 = AddLabel("Label2", QStringLiteral("Ug-Wert:"), 8, 542);
    Ug = AddLabel("Ug", QStringLiteral("---"), 176, 542, 120);
    Label3 = AddLabel("Label3", QStringLiteral("PsiG-Wert (Randverbund):"), 8, 566);
    PsiG = AddLabel("PsiG", QStringLiteral("---"), 176, 566, 120);
    PsiGCB = AddComboBox("PsiGCB", 216, 566, 185);
    PsiGCB->hide();
    Label1 =
        AddLabel("Label1", QStringLiteral("Unter dem Menüpunkt Optionen->Gläser können die Gläser"),
                 128, 591);
    Label6 = AddLabel("Label6", QStringLiteral("verwaltet werden."), 128, 607);
    Label1->hide();
    Label6->hide();
    Panel_3 = AddButtonPanel("Panel_3", QStringLiteral("Glasmanager"), 187, 592, 96, 22);
    Panel_3->hide();
    Panel_2->setGeometry(568, 593, 75, 22);
    Panel_1->setGeometry(656, 593, 75, 22);
    Anchor({PsiGMaterial, Label2, Ug, Label3, PsiG, PsiGCB, Label1, Label6, Panel_3}, MoveDown);
    Anchor({Panel_2, Panel_1}, MoveDown | MoveRight);

    preview_ = std::make_unique<vm::SectionPreview>(Panel2);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { ListBox2Click(); });
    connect(PsiGCB, &QComboBox::activated, this, [this](int row) { PsiGCBChange(row); });
}

TGlasForm::~TGlasForm() = default;

void TGlasForm::FormShow() {
    preview_->Activate();
    FillGlasses(glassId_);
    if (!showGlazingBeads_) {
        Label5->hide();
        ListBox2->hide();
        Panel2->hide();
        SetClientHeight(kHeightWithoutBeads);
    } else {
        LoadGlazingBeads();
    }
    ListBox1Click();
    // The opener's edge-seal value stands over the glass's own.
    if (psiG_ >= 0.0 && !std::isnan(psiG_)) PsiG->setText(vm::FormatFixed(psiG_, 3));
    {
        const QSignalBlocker blocker(PsiGCB);
        PsiGCB->clear();
        for (const Spacer& spacer : Spacers()) {
            if (spacer.key[0] == '\0' || spacer.psiG < 0.0) break;
            PsiGCB->addItem(localText(spacer.key));
        }
        PsiGCB->setCurrentIndex(-1);
    }
    ShowPsiGLabels();
}

void TGlasForm::FillGlasses(int glassId) {
    const QSignalBlocker blocker(ListBox1);
    vm::FillEntryList(ListBox1, glasses_);
    vm::SelectEntryById(ListBox1, glasses_, glassId);
}

const velmar_artikel* TGlasForm::ChosenGlass() const {
    return vm::SelectedEntry(ListBox1, glasses_);
}

std::vector<velmar_artikel>& TGlasForm::BeadList() {
    return konstType_ == kFrame ? request_.beadsFrameSide : request_.beadsSashSide;
}

int& TGlasForm::BeadField() {
    return konstType_ == kFrame ? request_.beadFrameSideId : request_.beadSashSideId;
}

void TGlasForm::ShowPsiGLabels() {
    const velmar_artikel* glass = ChosenGlass();
    const bool visible = glass != nullptr && HasEdgeSeal(*glass);
    PsiG->setVisible(visible);
    Label3->setVisible(visible);
}

void TGlasForm::ListBox1Click() {
    const velmar_artikel* glass = ChosenGlass();
    if (glass == nullptr) {
        Ug->clear();
        return;
    }
    Ug->setText(vm::FormatFixed(glass->nameId.value1, 1));
    PsiG->setText(vm::FormatFixed(glass->nameId.value2, 3));
    ShowPsiGLabels();
    LoadOrnaments();
    if (showGlazingBeads_) LoadGlazingBeads();
}

void TGlasForm::ListBox1DblClick() {
    // In the bead mode a double click only chooses the glass.
    if (!showGlazingBeads_) Panel_2Click();
}

void TGlasForm::LoadOrnaments() {
    LbOrnamente->clear();
    ornaments_.clear();
    const velmar_artikel* glass = ChosenGlass();
    if (glass == nullptr) return;
    Materialdaten query;
    query.requestKind = 2;
    query.hostKey1 = request_.hostKey1;
    query.hostKey2 = request_.hostKey2;
    query.glassId = glass->nameId.id;
    if (service_.getOrnamente(query)) ornaments_ = std::move(query.articleTexts1);
    vm::FillEntryList(LbOrnamente, ornaments_);
    vm::SelectEntryById(LbOrnamente, ornaments_, glass->steel1.nameId.id);
}

void TGlasForm::LoadGlazingBeads() {
    const velmar_artikel* glass = ChosenGlass();
    if (glass != nullptr) {
        request_.glassId = glass->nameId.id;
        const velmar_artikel* bead = vm::SelectedEntry(ListBox2, BeadList());
        if (konstType_ == kFrame)
            request_.frameId = profileId_;
        else
            request_.sashId = profileId_;
        BeadField() = bead != nullptr ? bead->nameId.id : glazingBeadId_;
    }
    vm::CallKeepingLists(request_, {ks_list::beadsSashSide, ks_list::beadsFrameSide},
                         [this](Materialdaten& r) { return service_.getGlasleisten(r); });
    {
        const QSignalBlocker blocker(ListBox2);
        vm::FillEntryList(ListBox2, BeadList());
        vm::SelectEntryById(ListBox2, BeadList(), BeadField());
    }
    ListBox2Click();
}

void TGlasForm::ListBox2Click() {
    const velmar_artikel* bead = vm::SelectedEntry(ListBox2, BeadList());
    if (bead == nullptr) return;
    preview_->ShowArticle(service_, request_, *bead, kGlazingBead);
}

void TGlasForm::PsiGCBChange(int row) {
    if (row < 0 || row >= PsiGCB->count()) return;
    const Spacer& spacer = Spacers()[static_cast<std::size_t>(row)];
    PsiG->setText(vm::FormatFixed(spacer.psiG, 3));
    const int index = vm::SelectedEntryIndex(ListBox1);
    if (velmar_artikel* glass = vm::EntryAt(glasses_, index)) {
        glass->intValue = spacer.code;
        FillGlasses(glass->nameId.id);
    }
}

void TGlasForm::Panel_2Click() {
    const int index = vm::SelectedEntryIndex(ListBox1);
    velmar_artikel* glass = vm::EntryAt(glasses_, index);
    if (glass == nullptr) {
        reject();
        return;
    }
    Result r;
    r.ug = vm::ParseNumber(Ug->text());
    r.psiG = vm::ParseNumber(PsiG->text());
    const int row = PsiGCB->currentIndex();
    r.spacerCode = row >= 0 ? Spacers()[static_cast<std::size_t>(row)].code : 0;
    r.chosen = *glass;
    r.chosen.nameId.value1 = r.ug;
    const int ornament = vm::SelectedEntryIndex(LbOrnamente);
    if (const velmar_artikel* chosen = vm::EntryAt(ornaments_, ornament); chosen && ornament > 0) {
        r.chosen.steel1.nameId.id = chosen->nameId.id;
        r.chosen.steel1.nameId.name = chosen->nameId.name;
    } else {
        r.chosen.steel1.nameId.id = 0;
        r.chosen.steel1.nameId.name.clear();
    }
    if (HasEdgeSeal(r.chosen)) {
        r.chosen.intValue = r.spacerCode;
        r.chosen.nameId.value2 = r.psiG;
    }
    if (showGlazingBeads_)
        if (const velmar_artikel* bead = vm::SelectedEntry(ListBox2, BeadList()))
            r.glazingBead = *bead;
    *glass = r.chosen;
    result = std::move(r);
    SelectionDialog::Panel_2Click();
}
