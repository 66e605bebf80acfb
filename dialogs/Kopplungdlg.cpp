#include "dialogs/Kopplungdlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <functional>

#include "model/ks_lists.h"
#include "platform/os/locals.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"

namespace vm {

// The coupling tree: tells the dialog where the mouse went down and which
// node the keys moved to, after the tree has moved its selection.
class CouplingTree : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
    std::function<void(const QTreeWidgetItem*)> pressed;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QTreeWidget::mousePressEvent(event);
        if (pressed) pressed(itemAt(event->position().toPoint()));
    }
    void keyPressEvent(QKeyEvent* event) override {
        const QTreeWidgetItem* before = currentItem();
        QTreeWidget::keyPressEvent(event);
        if (pressed && currentItem() != before) pressed(currentItem());
    }
};

} // namespace vm

namespace {

// The reinforcements asked for are those of the first chamber.
constexpr int kFirstChamber = 1;

} // namespace

TKopplungForm::TKopplungForm(const Inputs& in, QWidget* parent)
    : ArticleSectionDialog(parent, QStringLiteral("KopplungForm"),
                           QStringLiteral("Auswahl Kopplung"), 856, 586, in.service, in.request),
      couplings_(in.couplings), couplingId_(in.currentId) {
    auto* tree = AddTree<vm::CouplingTree>("TreeView1", 8, 8, 432, 425);
    // The chosen coupling stays marked while the reinforcement list has the
    // focus.
    vm::UseClassPalette(tree, [](QPalette& palette) {
        vm::DialogColours(palette);
        for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
            palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    });
    tree->pressed = [this](const QTreeWidgetItem* item) { TreeView1MouseDown(item); };
    TreeView1 = tree;

    Label2 = AddLabel("Label2", QStringLiteral("Aussteifung"), 8, 441);
    ListBox2 = AddListBox("ListBox2", 8, 464, 433, 87);
    Label1 = AddLabel("Label1", QStringLiteral("Wählen Sie die gewünschte Kopplung"), 8, 560);
    AddSectionBesideTree(TreeView1, {Label2, ListBox2, Label1});
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { ListBox2Click(); });
}

TKopplungForm::~TKopplungForm() = default;

void TKopplungForm::FormShow() {
    ArticleSectionDialog::FormShow();
    auto* root = new QTreeWidgetItem(TreeView1, {localText("IDS_KOPPLUNG")});
    for (std::size_t i = 0; i < couplings_.size(); ++i) {
        auto* node = new QTreeWidgetItem(root, {vm::ToQString(couplings_[i].getName())});
        node->setData(0, vm::EntryIndexRole, static_cast<int>(i));
        if (current_ < 0 && couplings_[i].nameId.id == couplingId_) {
            TreeView1->setCurrentItem(node);
            current_ = static_cast<int>(i);
        }
    }
    root->setExpanded(true);
    LoadReinforcements();
}

int TKopplungForm::CouplingIndexOf(const QTreeWidgetItem* item) const {
    if (item == nullptr || item->parent() == nullptr) return -1;
    return item->data(0, vm::EntryIndexRole).toInt();
}

void TKopplungForm::TreeView1MouseDown(const QTreeWidgetItem* item) {
    current_ = CouplingIndexOf(item);
    LoadReinforcements();
}

void TKopplungForm::LoadReinforcements() {
    reinforcements_.clear();
    int preselect = 0;
    if (const velmar_artikel* coupling = vm::EntryAt(couplings_, current_)) {
        preselect = coupling->steel1.nameId.id;
        reinforcements_ =
            vm::QueryReinforcements(service_, request_, coupling->nameId.id, kFirstChamber);
    }
    {
        const QSignalBlocker blocker(ListBox2);
        vm::FillEntryList(ListBox2, reinforcements_);
        vm::SelectEntryById(ListBox2, reinforcements_, preselect);
    }
    ListBox2Click();
}

void TKopplungForm::ListBox2Click() {
    const velmar_artikel* coupling = vm::EntryAt(couplings_, current_);
    const velmar_stahl* steel = vm::SelectedEntry(ListBox2, reinforcements_);
    // A coupling of both chambers takes its reinforcement in each.
    const bool bothChambers =
        coupling != nullptr && (coupling->nameId.intValue & ks_coupling::bothChambers) != 0;
    ShowSection(coupling, ks_konst::coupling, steel, bothChambers ? steel : nullptr);
}

void TKopplungForm::Button2Click() {
    accepted = true;
    const int index = CouplingIndexOf(TreeView1->currentItem());
    const bool selected =
        TreeView1->currentItem() != nullptr && TreeView1->currentItem()->isSelected();
    if (selected && index >= 0) {
        result.chosenIndex = index;
        current_ = index;
        if (const velmar_stahl* steel = vm::SelectedEntry(ListBox2, reinforcements_))
            result.reinforcement = *steel;
    }
}

void TKopplungForm::Panel_2Click() {
    Button2Click();
    ArticleSectionDialog::Panel_2Click();
}

#include "Kopplungdlg.moc"
