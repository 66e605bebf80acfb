#include "dialogs/Sprossendlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/preview.h"
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

TSprossenForm::TSprossenForm(ServiceClient& service, Materialdaten& request, int konstType_,
                             int barId, int reinforcementId_, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("SprossenForm"), QStringLiteral("Sprosse wählen"), 787,
                      570),
      konstType(konstType_), reinforcementId(reinforcementId_), service_(service),
      request_(request), barId_(barId) {
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
    Panel2 = AddPanel("Panel2", 434, 80, 344, 450);
    Label1 = AddLabel("Label1", QStringLiteral("Wählen Sie die gewünschte Glassprosse"), 8, 544);
    Panel_2->setGeometry(616, 541, 75, 22);
    Panel_1->setGeometry(704, 541, 75, 22);
    listBox1Height_ = ListBox1->height();

    preview_ = std::make_unique<vm::SectionPreview>(Panel2);

    for (QRadioButton* kind : {GlasRB, KlebeRB, WienerRB, InnenRB})
        connect(kind, &QRadioButton::clicked, this, [this] { SprossentypClick(); });
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { ShowSection(); });
}

TSprossenForm::~TSprossenForm() = default;

void TSprossenForm::FormShow() {
    preview_->Activate();
    switch (konstType) {
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

void TSprossenForm::SprossentypClick() {
    FillBars();
}

void TSprossenForm::FillBars() {
    bars_.clear();
    const bool glassDividing = GlasRB->isChecked();
    Label2->setVisible(glassDividing);
    ListBox2->setVisible(glassDividing);
    ListBox1->resize(ListBox1->width(), glassDividing ? listBox1Height_ : Panel2->height());
    konstType = glassDividing          ? kGlassDividing
                : KlebeRB->isChecked() ? kAdhesive
                : InnenRB->isChecked() ? kInternal
                                       : kViennese;
    bars_ = BarList(request_, konstType);
    {
        const QSignalBlocker blocker(ListBox1);
        vm::FillEntryList(ListBox1, bars_);
        vm::SelectEntryById(ListBox1, bars_, barId_);
    }
    if (glassDividing) LoadReinforcements();
    ShowSection();
}

void TSprossenForm::LoadReinforcements() {
    if (!GlasRB->isChecked()) return;
    const velmar_artikel* bar = vm::SelectedEntry(ListBox1, bars_);
    reinforcements_ = vm::QueryReinforcements(service_, request_,
                                              bar != nullptr ? bar->nameId.id : -1, kFirstChamber);
    const QSignalBlocker blocker(ListBox2);
    vm::FillEntryList(ListBox2, reinforcements_);
    // After the first load the default reinforcement of each bar is offered.
    vm::SelectEntryById(ListBox2, reinforcements_, opening_ ? reinforcementId : -1);
}

void TSprossenForm::ListBox1Click() {
    LoadReinforcements();
    ShowSection();
}

void TSprossenForm::ListBox1DblClick() {
    LoadReinforcements();
    Panel_2Click();
}

void TSprossenForm::ShowSection() {
    const velmar_artikel* bar = vm::SelectedEntry(ListBox1, bars_);
    if (bar == nullptr) {
        preview_->Clear();
        return;
    }
    // The section shows the bar with the reinforcement chosen for it.
    velmar_artikel drawn = *bar;
    if (GlasRB->isChecked())
        if (const velmar_stahl* steel = vm::SelectedEntry(ListBox2, reinforcements_))
            drawn.steel1 = *steel;
    preview_->ShowArticle(service_, request_, drawn, konstType);
}

void TSprossenForm::Panel_2Click() {
    chosenIndex = vm::SelectedEntryIndex(ListBox1);
    if (GlasRB->isChecked()) {
        const velmar_stahl* steel = vm::SelectedEntry(ListBox2, reinforcements_);
        reinforcementId = steel != nullptr ? steel->nameId.id : -1;
        reinforcementName = steel != nullptr ? steel->nameId.name : WideText();
    }
    SelectionDialog::Panel_2Click();
}
