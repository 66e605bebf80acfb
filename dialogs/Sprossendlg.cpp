#include "dialogs/Sprossendlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/list_helpers.h"
#include "ui/request_lists.h"

namespace {

// The reinforcement query asks for the chamber in the element subcode's tag.
constexpr int kFirstChamber = 1;

} // namespace

std::vector<velmar_artikel>& TSprossenForm::BarList(Materialdaten& request, int konstType) {
    switch (konstType) {
    case kAdhesive:
        return request.barsAdhesive;
    case kInternal:
        return request.barsInternal;
    case kViennese:
        return request.barsViennese;
    default:
        return request.barsGlassDividing;
    }
}

TSprossenForm::TSprossenForm(const Inputs& in, QWidget* parent)
    : ArticleSectionDialog(parent, QStringLiteral("SprossenForm"), QStringLiteral("Sprosse wählen"),
                           787, 570, in.service, in.request),
      konstType_(in.konstType), barId_(in.currentId), reinforcementId_(in.reinforcementId) {
    RadioGroup1 = AddGroupBox("RadioGroup1", QStringLiteral("Sprossentyp"), 8, 16, 769, 57);
    // The buttons sit on the group; their places are given in the dialog's
    // coordinates.
    const auto radio = [this](const char* name, const QString& text, int left) {
        return AddRadioButton(name, text, left - RadioGroup1->x(), 40 - RadioGroup1->y(), -1,
                              RadioGroup1);
    };
    GlasRB = radio("GlasRB", QStringLiteral("glasteilende Sprosse"), 24);
    KlebeRB = radio("KlebeRB", QStringLiteral("Klebesprosse"), 205);
    WienerRB = radio("WienerRB", QStringLiteral("Wiener Sprosse"), 389);
    InnenRB = radio("InnenRB", QStringLiteral("innenliegende Sprosse"), 616);
    ListBox1 = AddListBox("ListBox1", 8, 80, 417, 281);
    Label2 = AddLabel("Label2", QStringLiteral("Aussteifung"), 8, 376);
    ListBox2 = AddListBox("ListBox2", 8, 392, 417, 135);
    AddSectionPanel(434, 80, 344, 450);
    Label1 = AddLabel("Label1", QStringLiteral("Wählen Sie die gewünschte Glassprosse"), 8, 544);
    Panel_2->setGeometry(616, 541, 75, 22);
    Panel_1->setGeometry(704, 541, 75, 22);
    listBox1Height_ = ListBox1->height();

    for (QRadioButton* kind : {GlasRB, KlebeRB, WienerRB, InnenRB})
        connect(kind, &QRadioButton::clicked, this, [this] { FillBars(); });
    ConnectArticleList(
        ListBox1, [this] { LoadReinforcements(); }, [this] { Draw(); });
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { Draw(); });
}

TSprossenForm::~TSprossenForm() = default;

void TSprossenForm::FormShow() {
    ArticleSectionDialog::FormShow();
    switch (konstType_) {
    case kAdhesive:
        KlebeRB->setChecked(true);
        break;
    case kInternal:
        InnenRB->setChecked(true);
        break;
    case kViennese:
        WienerRB->setChecked(true);
        break;
    default:
        GlasRB->setChecked(true);
    }
    FillBars();
    opening_ = false;
}

void TSprossenForm::FillBars() {
    bars_.clear();
    const bool glassDividing = GlasRB->isChecked();
    Label2->setVisible(glassDividing);
    ListBox2->setVisible(glassDividing);
    ListBox1->resize(ListBox1->width(), glassDividing ? listBox1Height_ : Panel2->height());
    konstType_ = glassDividing          ? kGlassDividing
                 : KlebeRB->isChecked() ? kAdhesive
                 : InnenRB->isChecked() ? kInternal
                                        : kViennese;
    bars_ = BarList(request_, konstType_);
    {
        const QSignalBlocker blocker(ListBox1);
        vm::FillEntryList(ListBox1, bars_);
        vm::SelectEntryById(ListBox1, bars_, barId_);
    }
    if (glassDividing) LoadReinforcements();
    Draw();
}

void TSprossenForm::LoadReinforcements() {
    if (!GlasRB->isChecked()) return;
    const velmar_artikel* bar = vm::SelectedEntry(ListBox1, bars_);
    reinforcements_ = vm::QueryReinforcements(service_, request_,
                                              bar != nullptr ? bar->nameId.id : -1, kFirstChamber);
    const QSignalBlocker blocker(ListBox2);
    vm::FillEntryList(ListBox2, reinforcements_);
    // After the first load the default reinforcement of each bar is offered.
    vm::SelectEntryById(ListBox2, reinforcements_, opening_ ? reinforcementId_ : -1);
}

void TSprossenForm::Draw() {
    // The section shows the bar with the reinforcement chosen for it.
    ShowSection(vm::SelectedEntry(ListBox1, bars_), konstType_,
                GlasRB->isChecked() ? vm::SelectedEntry(ListBox2, reinforcements_) : nullptr);
}

void TSprossenForm::Panel_2Click() {
    result.konstType = konstType_;
    result.chosenIndex = vm::SelectedEntryIndex(ListBox1);
    const bool glassDividing = GlasRB->isChecked();
    if (const velmar_stahl* steel =
            glassDividing ? vm::SelectedEntry(ListBox2, reinforcements_) : nullptr)
        result.reinforcement = *steel;
    else
        result.reinforcement.nameId.id = glassDividing ? -1 : reinforcementId_;
    ArticleSectionDialog::Panel_2Click();
}
