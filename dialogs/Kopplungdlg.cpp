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
#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/preview.h"
#include "ui/request_lists.h"

namespace {

constexpr int kWidth = 856;
constexpr int kHeight = 586;
// The reinforcements asked for are those of the first chamber.
constexpr int kFirstChamber = 1;

// The coupling tree: tells the dialog where the mouse went down and which
// node the keys moved to, after the tree has moved its selection.
class CouplingTree : public QTreeWidget {
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

} // namespace

TKopplungForm::TKopplungForm(int reinforcementId, int couplingId,
                             const std::vector<velmar_artikel>& couplings, Materialdaten& request,
                             ServiceClient& service, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("KopplungForm"), QStringLiteral("Auswahl Kopplung"),
                      kWidth, kHeight),
      couplings_(couplings), request_(request), service_(service),
      reinforcementId_(reinforcementId), couplingId_(couplingId) {
    setMinimumSize(450, 500);
    auto* tree = new CouplingTree(Client());
    tree->setObjectName(QStringLiteral("TreeView1"));
    tree->setGeometry(8, 8, 432, 425);
    tree->setHeaderHidden(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    // The chosen coupling stays marked while the reinforcement list has the
    // focus.
    QPalette palette = tree->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    tree->setPalette(palette);
    tree->pressed = [this](const QTreeWidgetItem* item) { TreeView1MouseDown(item); };
    TreeView1 = tree;

    Label2 = AddLabel("Label2", QStringLiteral("Aussteifung"), 8, 441);
    ListBox2 = AddListBox("ListBox2", 8, 464, 433, 87);
    Label1 = AddLabel("Label1", QStringLiteral("Wählen Sie die gewünschte Kopplung"), 8, 560);
    Panel2 = AddPanel("Panel2", 447, 8, 401, 541);
    Panel_2->setGeometry(680, 552, 75, 22);
    Panel_1->setGeometry(768, 552, 75, 22);
    for (QWidget* bottom : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(ListBox2),
                            static_cast<QWidget*>(Label1)})
        AnchorBottom(bottom);
    AnchorBottom(Panel_2, true);
    AnchorBottom(Panel_1, true);

    preview_ = std::make_unique<vm::SectionPreview>(Panel2);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { ListBox2Click(); });
}

TKopplungForm::~TKopplungForm() = default;

void TKopplungForm::resizeEvent(QResizeEvent* event) {
    SelectionDialog::resizeEvent(event);
    // The tree follows every edge, the drawing the right and the bottom one.
    const int dw = width() - kWidth;
    const int dh = height() - kHeight;
    if (TreeView1 != nullptr) TreeView1->setGeometry(8, 8, 432 + dw, 425 + dh);
    if (Panel2 != nullptr) Panel2->setGeometry(447 + dw, 8, 401, 541 + dh);
}

void TKopplungForm::FormShow() {
    preview_->Activate();
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
    request_.reinforcements.clear();
    int preselect = 0;
    if (const velmar_artikel* coupling = vm::EntryAt(couplings_, current_)) {
        preselect = coupling->steel1.nameId.id;
        const int articleId = request_.articleId;
        const int subcode = request_.elementSubcode;
        request_.articleId = coupling->nameId.id;
        request_.elementSubcode = kFirstChamber;
        vm::CallKeepingLists(request_, {},
                             [this](Materialdaten& r) { return service_.getArtikelInc(r); });
        request_.articleId = articleId;
        request_.elementSubcode = subcode;
    }
    {
        const QSignalBlocker blocker(ListBox2);
        vm::FillEntryList(ListBox2, request_.reinforcements);
        vm::SelectEntryById(ListBox2, request_.reinforcements, preselect);
    }
    ListBox2Click();
}

void TKopplungForm::ListBox2Click() {
    const velmar_artikel* coupling = vm::EntryAt(couplings_, current_);
    if (coupling == nullptr) {
        preview_->Clear();
        return;
    }
    velmar_artikel drawn = *coupling;
    if (const velmar_stahl* steel = vm::SelectedEntry(ListBox2, request_.reinforcements)) {
        drawn.steel1 = *steel;
        if ((drawn.nameId.intValue & ks_coupling::bothChambers) != 0) drawn.steel2 = *steel;
    }
    preview_->ShowArticle(service_, request_, drawn, ks_konst::coupling);
}

void TKopplungForm::Button2Click() {
    accepted = true;
    const int index = CouplingIndexOf(TreeView1->currentItem());
    const bool selected =
        TreeView1->currentItem() != nullptr && TreeView1->currentItem()->isSelected();
    if (selected && index >= 0) {
        chosenIndex = index;
        current_ = index;
        if (const velmar_stahl* steel = vm::SelectedEntry(ListBox2, request_.reinforcements))
            reinforcement = *steel;
    }
}

void TKopplungForm::Panel_2Click() {
    Button2Click();
    SelectionDialog::Panel_2Click();
}
