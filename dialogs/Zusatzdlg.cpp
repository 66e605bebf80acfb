#include "dialogs/Zusatzdlg.h"

#include "model/ks_lists.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "platform/os/locals.h"
#include "ui/key_filter.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"

namespace {

constexpr int kClientWidth = 856;
constexpr int kClientHeight = 586;
// Parts counted per element (screws, caps) are not offered for choice.
constexpr int kMostChoosable = 2;
constexpr int kNodeDataRole = Qt::UserRole;

// Keys in a list each stand between two ";".
bool Lists(const std::string& list, const std::string& key) {
    return list.find(';' + key + ';') != std::string::npos;
}

// Two accessory entries are the same accessory when article and part agree.
bool SameEntry(const velmar_zusatzartikel& a, const velmar_zusatzartikel& b) {
    return a.getId() == b.getId() && a.intValue1 == b.intValue1;
}

const velmar_zusatzartikel* FindEntry(const std::vector<velmar_zusatzartikel>* list,
                                      const velmar_zusatzartikel& entry) {
    if (list == nullptr) return nullptr;
    for (const velmar_zusatzartikel& candidate : *list)
        if (SameEntry(candidate, entry)) return &candidate;
    return nullptr;
}

// The openings of `position` the tree shows for `cutSide`.
template <class Position> auto Openings(Position& position, int cutSide) {
    using Opening = decltype(&position.opening1);
    switch (cutSide) {
    case ks_side::opening1:
        return std::vector<Opening>{&position.opening1};
    case ks_side::opening2:
        return std::vector<Opening>{&position.opening2};
    case ks_side::opening3:
        return std::vector<Opening>{&position.opening3};
    default:
        return std::vector<Opening>{&position.opening1, &position.opening2, &position.opening3};
    }
}

// The reinforcement chosen for `node` in one chamber; null for none.
const velmar_stahl* Held(const std::map<const QTreeWidgetItem*, velmar_stahl>& chosen,
                         const QTreeWidgetItem* node) {
    const auto found = chosen.find(node);
    return found != chosen.end() ? &found->second : nullptr;
}

// Every node below `node`, depth first.
void ForEachNode(QTreeWidgetItem* node, const std::function<void(QTreeWidgetItem*)>& visit) {
    for (int i = 0; i < node->childCount(); ++i) {
        visit(node->child(i));
        ForEachNode(node->child(i), visit);
    }
}

} // namespace

TZusatzForm::TZusatzForm(const Inputs& in, QWidget* parent)
    : ArticleSectionDialog(parent, QStringLiteral("ZusatzForm"),
                           QStringLiteral("Auswahl Zusatzprofile / Zubehör"), kClientWidth,
                           kClientHeight, in.service, in.request),
      offered_(in.offered), selection_(in.selection), cutSide_(in.cutSide) {
    TreeView1 = AddTree("TreeView1", 8, 8, 432, 377);
    TreeView1->viewport()->installEventFilter(this);
    Label2 = AddLabel("Label2", QStringLiteral("Aussteifung"), 8, 393);
    Label3 = AddLabel("Label3", QStringLiteral("Abstand von der Fensteraußenkante (mm):"), 8, 393);
    Label3->hide();
    ListBox2 = AddListBox("ListBox2", 8, 416, 433, 57);
    Edit1 = AddEdit("Edit1", 8, 416, 105);
    Edit1->hide();
    vm::InstallNumericKeyFilter(Edit1);
    Label4 = AddLabel("Label4", QStringLiteral("Aussteifung Kammer 2"), 8, 475);
    ListBox3 = AddListBox("ListBox3", 8, 492, 433, 57);
    Label1 = AddLabel("Label1", QStringLiteral("Wählen Sie die gewünschten Zusatzprofile"), 8, 560);
    AddSectionBesideTree(TreeView1, {Label2, Label3, ListBox2, Edit1, Label4, ListBox3, Label1});

    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { TreeView1Change(node); });
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { ListBox2Click(); });
    connect(ListBox3, &QListWidget::itemSelectionChanged, this, [this] { ListBox2Click(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
}

TZusatzForm::~TZusatzForm() = default;

// ---- the tree ------------------------------------------------------------------

bool TZusatzForm::Skipped(const velmar_zusatzartikel& entry) const {
    if (entry.artikel.konstType == ks_konst::rollerShutterPart &&
        !request_.rollerShutterBoxes.empty())
        return true;
    return entry.intValue2 > kMostChoosable;
}

QString TZusatzForm::RootText(int group) const {
    const char* key = nullptr;
    switch (group) {
    case 11:
        key = "IDS_RAHMEN";
        break;
    case 18:
        key = "IDS_KOPPLUNG";
        break;
    case 23:
        key = request_.elementCode == ks_element::doorLeafAsFrame ? "IDS_RAHMEN" : "IDS_FLUEGEL";
        break;
    case 24:
        key = "IDS_PFOSTEN";
        break;
    case 25:
        key = "IDS_STULP";
        break;
    case 91:
    case 92:
        key = "IDS_SCHWELLE";
        break;
    default:
        return {};
    }
    // Without its text (no or an old localisation file) the part shows its
    // key: its accessories must stay in reach, or OK would lose them.
    const QString text = localText(key);
    return text.isEmpty() ? QString::fromLatin1(key) : text;
}

int TZusatzForm::StateOf(const QTreeWidgetItem* node) {
    const QVariant state = node->data(0, Qt::CheckStateRole);
    if (!state.isValid()) return -1;
    return state.value<Qt::CheckState>() == Qt::Checked ? 2 : 1;
}

void TZusatzForm::SetState(QTreeWidgetItem* node, int state) {
    node->setData(0, Qt::CheckStateRole, state == 2 ? Qt::Checked : Qt::Unchecked);
}

QRect TZusatzForm::StateImageRect(const QTreeWidgetItem* node) const {
    QStyleOptionViewItem option;
    option.initFrom(TreeView1->viewport());
    option.rect = TreeView1->visualItemRect(node);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = node->text(0);
    return TreeView1->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option,
                                              TreeView1);
}

velmar_zusatzartikel* TZusatzForm::EntryOf(const QTreeWidgetItem* node) const {
    const auto found = entries_.find(node);
    return found != entries_.end() ? found->second : nullptr;
}

bool TZusatzForm::Checkable(const QTreeWidgetItem* node) const {
    return node != nullptr && StateOf(node) > 0 && EntryOf(node) != nullptr;
}

QTreeWidgetItem* TZusatzForm::FindOrAddNode(QTreeWidgetItem* parent, int data,
                                            const QString& text) {
    const int count = parent != nullptr ? parent->childCount() : TreeView1->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* node = parent != nullptr ? parent->child(i) : TreeView1->topLevelItem(i);
        if (EntryOf(node) == nullptr && node->data(0, kNodeDataRole).toInt() == data) return node;
    }
    auto* node = new QTreeWidgetItem(QStringList(text));
    node->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    node->setData(0, kNodeDataRole, data);
    if (parent != nullptr)
        parent->addChild(node);
    else
        TreeView1->addTopLevelItem(node);
    return node;
}

void TZusatzForm::AddLeaf(QTreeWidgetItem* parent, velmar_zusatzartikel& entry, Entries& offered,
                          const Entries* chosen) {
    QTreeWidgetItem* leaf = nullptr;
    for (int i = 0; i < parent->childCount() && leaf == nullptr; ++i)
        if (const velmar_zusatzartikel* held = EntryOf(parent->child(i));
            held != nullptr && SameEntry(*held, entry))
            leaf = parent->child(i);
    if (leaf == nullptr) {
        leaf = new QTreeWidgetItem(QStringList(vm::ToQString(entry.getName())));
        leaf->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        SetState(leaf, 1);
        entries_[leaf] = &entry;
        parent->addChild(leaf);
    }
    const velmar_zusatzartikel* match = FindEntry(chosen, entry);
    if (match == nullptr) return;
    SetState(leaf, 2);
    chamber1_[leaf] = match->artikel.steel1;
    chamber2_[leaf] = match->artikel.steel2;
    for (QTreeWidgetItem* up = parent; up != nullptr; up = up->parent()) up->setExpanded(true);
    AddChildren(leaf, offered, chosen);
}

void TZusatzForm::AddChildren(QTreeWidgetItem* leaf, Entries& offered, const Entries* chosen) {
    const velmar_zusatzartikel* owner = EntryOf(leaf);
    if (owner == nullptr || owner->text2.empty()) return;
    for (velmar_zusatzartikel& entry : offered) {
        if (Skipped(entry)) continue;
        if (entry.intValue1 != owner->intValue1 && entry.intValue3 != owner->getId()) continue;
        if (!Lists(owner->text2, entry.text1)) continue;
        // An accessory never comes again below itself.
        bool ancestor = false;
        for (const QTreeWidgetItem* up = leaf; up != nullptr && !ancestor; up = up->parent())
            if (const velmar_zusatzartikel* held = EntryOf(up)) ancestor = SameEntry(*held, entry);
        if (!ancestor) AddLeaf(leaf, entry, offered, chosen);
    }
}

void TZusatzForm::AddChildrenEverywhere(QTreeWidgetItem* leaf) {
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        const auto offeredOpenings = Openings(offered_[i], cutSide_);
        std::vector<const velmar_oeffnung_artikel*> chosenOpenings;
        if (i < selection_.size()) chosenOpenings = Openings(selection_[i], cutSide_);
        for (std::size_t o = 0; o < offeredOpenings.size(); ++o)
            AddChildren(leaf, offeredOpenings[o]->zusatz,
                        o < chosenOpenings.size() ? &chosenOpenings[o]->zusatz : nullptr);
    }
}

void TZusatzForm::DeleteChildren(QTreeWidgetItem* node) {
    ForEachNode(node, [this](QTreeWidgetItem* child) {
        if (child == currentNode_) {
            currentNode_ = nullptr;
            currentEntry_ = nullptr;
        }
        entries_.erase(child);
        chamber1_.erase(child);
        chamber2_.erase(child);
    });
    qDeleteAll(node->takeChildren());
}

void TZusatzForm::FormShow() {
    ArticleSectionDialog::FormShow();
    const QSignalBlocker blocker(TreeView1);
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        const auto offeredOpenings = Openings(offered_[i], cutSide_);
        std::vector<const velmar_oeffnung_artikel*> chosenOpenings;
        if (i < selection_.size()) chosenOpenings = Openings(selection_[i], cutSide_);
        for (std::size_t o = 0; o < offeredOpenings.size(); ++o) {
            Entries& offered = offeredOpenings[o]->zusatz;
            const Entries* chosen =
                o < chosenOpenings.size() ? &chosenOpenings[o]->zusatz : nullptr;
            for (velmar_zusatzartikel& entry : offered) {
                if (Skipped(entry)) continue;
                const QString rootText = RootText(entry.intValue1);
                if (rootText.isEmpty()) continue;
                QTreeWidgetItem* root = FindOrAddNode(nullptr, entry.intValue1, rootText);
                QTreeWidgetItem* kind =
                    FindOrAddNode(root, entry.artikel.konstType, vm::ToQString(entry.nameId.name));
                AddLeaf(kind, entry, offered, chosen);
            }
        }
    }
}

bool TZusatzForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TreeView1->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        TreeView1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
    return ArticleSectionDialog::eventFilter(watched, event);
}

void TZusatzForm::TreeView1MouseDown(const QPoint& at) {
    QTreeWidgetItem* node = TreeView1->itemAt(at);
    if (Checkable(node) && StateImageRect(node).contains(at)) {
        // The current node is set below, once the tree has its new shape.
        const QSignalBlocker blocker(TreeView1);
        const velmar_zusatzartikel& clicked = *EntryOf(node);
        // Ticking or unticking: the accessories of its level that it
        // excludes are unticked.
        if (QTreeWidgetItem* parent = node->parent()) {
            for (int i = 0; i < parent->childCount(); ++i) {
                QTreeWidgetItem* other = parent->child(i);
                if (other == node || !Checkable(other)) continue;
                const velmar_zusatzartikel& entry = *EntryOf(other);
                if (entry.text1 == clicked.text1 || Lists(clicked.text3, entry.text1)) {
                    SetState(other, 1);
                    DeleteChildren(other);
                }
            }
        }
        if (StateOf(node) == 1) {
            SetState(node, 2);
            // A ticked accessory offers the reinforcements it comes with.
            chamber1_.try_emplace(node, clicked.artikel.steel1);
            chamber2_.try_emplace(node, clicked.artikel.steel2);
            if (!clicked.text2.empty()) {
                AddChildrenEverywhere(node);
                node->setExpanded(true);
            }
        } else {
            SetState(node, 1);
            DeleteChildren(node);
        }
    }
    currentNode_ = nullptr;
    currentEntry_ = nullptr;
    if (Checkable(node)) {
        currentNode_ = node;
        currentEntry_ = EntryOf(node);
    }
    RefreshDetails();
}

void TZusatzForm::TreeView1Change(QTreeWidgetItem* node) {
    if (!Checkable(node)) return;
    currentNode_ = node;
    currentEntry_ = EntryOf(node);
    ListBox2->show();
    Label2->show();
    Edit1->hide();
    Label3->hide();
    RefreshDetails();
}

// ---- reinforcements, distance and section -----------------------------------------

void TZusatzForm::LoadReinforcements(int chamber, QListWidget* list,
                                     std::vector<velmar_stahl>& shown) {
    auto& chosen = chamber == 1 ? chamber1_ : chamber2_;
    const auto held = currentNode_ != nullptr ? chosen.find(currentNode_) : chosen.end();
    shown.clear();
    if (currentEntry_ != nullptr && held != chosen.end())
        shown = vm::QueryReinforcements(service_, request_, currentEntry_->getId(), chamber);
    const QSignalBlocker blocker(list);
    vm::FillEntryList(list, shown);
    if (held != chosen.end()) vm::SelectEntryById(list, shown, held->second.getId());
}

void TZusatzForm::RefreshDetails() {
    LoadReinforcements(1, ListBox2, reinforcements1_);
    LoadReinforcements(2, ListBox3, reinforcements2_);
    ListBox2Click();
}

void TZusatzForm::ListBox2Click() {
    const bool inHand = currentEntry_ != nullptr && currentNode_ != nullptr;
    if (inHand) {
        if (const velmar_stahl* steel = vm::SelectedEntry(ListBox2, reinforcements1_))
            chamber1_[currentNode_] = *steel;
        if (const velmar_stahl* steel = vm::SelectedEntry(ListBox3, reinforcements2_))
            chamber2_[currentNode_] = *steel;
    }
    // The section shows the accessory with the reinforcements chosen for it.
    const velmar_artikel* drawn = inHand ? &currentEntry_->artikel : nullptr;
    ShowSection(drawn, drawn != nullptr ? drawn->konstType : 0, Held(chamber1_, currentNode_),
                Held(chamber2_, currentNode_));
}

void TZusatzForm::Edit1Change() {
    if (currentEntry_ != nullptr)
        currentEntry_->artikel.nameId.value1 = vm::ParseNumber(Edit1->text());
}

// ---- OK ------------------------------------------------------------------------------

void TZusatzForm::Panel_2Click() {
    Button2Click();
}

void TZusatzForm::Button2Click() {
    accepted = true;
    // What the tree did not show (a part outside its groups, parts counted
    // per element, another cut side) stays chosen: nobody could untick it.
    std::set<std::pair<int, int>> shown;
    for (const auto& [node, entry] : entries_) shown.emplace(entry->getId(), entry->intValue1);
    std::vector<velmar_cutpos> before = selection_;
    std::vector<velmar_cutpos>& selection = result.selection;
    selection = offered_;
    const auto all = [](velmar_cutpos& p) {
        return std::array<velmar_oeffnung_artikel*, 3>{&p.opening1, &p.opening2, &p.opening3};
    };
    for (std::size_t i = 0; i < selection.size(); ++i) {
        const auto allowed = Openings(selection[i], cutSide_);
        const auto openings = all(selection[i]);
        for (std::size_t o = 0; o < openings.size(); ++o) {
            openings[o]->zusatz.clear();
            if (i >= before.size()) continue;
            const bool inTree = std::ranges::find(allowed, openings[o]) != allowed.end();
            for (velmar_zusatzartikel& entry : all(before[i])[o]->zusatz)
                if (!inTree || !shown.contains({entry.getId(), entry.intValue1}))
                    openings[o]->zusatz.push_back(std::move(entry));
        }
    }
    result.checkedCount = 0;
    for (int i = 0; i < TreeView1->topLevelItemCount(); ++i)
        ForEachNode(TreeView1->topLevelItem(i), [this, &selection](QTreeWidgetItem* node) {
            if (StateOf(node) != 2 || EntryOf(node) == nullptr) return;
            ++result.checkedCount;
            velmar_zusatzartikel chosen = *EntryOf(node);
            if (const velmar_stahl* steel = Held(chamber1_, node)) chosen.artikel.steel1 = *steel;
            if (const velmar_stahl* steel = Held(chamber2_, node)) chosen.artikel.steel2 = *steel;
            for (velmar_cutpos& position : selection)
                for (velmar_oeffnung_artikel* opening : Openings(position, cutSide_))
                    opening->zusatz.push_back(chosen);
        });
    ArticleSectionDialog::Panel_2Click();
}
