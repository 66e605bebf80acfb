#pragma once
// The additional-profiles dialog: the accessories and additional profiles
// the service offers for one cut, as a tree of the element's parts (frame,
// sash, mullion, astragal, coupling, sill) and article kinds, each accessory
// with a check box. A ticked accessory may exclude others of its level and
// bring its own accessories below it; for the accessory in hand the user
// picks a steel reinforcement per chamber and sees its section.

#include <map>
#include <memory>
#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ServiceClient;
namespace vm {
class SectionPreview;
}

class TZusatzForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    // `offered` (copied) are the cut positions with the accessories the
    // service offers in the zusatz lists of their openings; `selection` the
    // positions with the accessories chosen so far, rewritten on OK (what the
    // tree did not show stays in it). Both are walked position by position. `cutSide` 151, 152 or
    // 153 keeps to opening1, opening2 or opening3 of each position, anything else takes all three.
    // `further` is the opener's and is kept for it. `request` is the main form's and receives the
    // reinforcement and section queries.
    TZusatzForm(ServiceClient& service, Materialdaten& request,
                const std::vector<velmar_cutpos>& offered, std::vector<velmar_cutpos>& selection,
                int cutSide, unsigned int further, QWidget* parent = nullptr);
    ~TZusatzForm() override;

    unsigned int further;
    // The accessories ticked at OK.
    unsigned int checkedCount = 0;

    // A tree node's state image: -1 none (part and kind nodes), 1 not
    // ticked, 2 ticked.
    static int StateOf(const QTreeWidgetItem* node);
    // Where a node's state image lies in the tree's viewport.
    QRect StateImageRect(const QTreeWidgetItem* node) const;

    QTreeWidget* TreeView1;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QListWidget *ListBox2, *ListBox3;
    QLineEdit* Edit1;
    QWidget* Panel2;

protected:
    void Panel_2Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Entries = std::vector<velmar_zusatzartikel>;
    void FormShow() override;
    void Button2Click();
    void TreeView1MouseDown(const QPoint& at);
    void TreeView1Change(QTreeWidgetItem* node);
    void ListBox2Click();
    void Edit1Change();

    std::vector<velmar_oeffnung_artikel*> Openings(velmar_cutpos& position) const;
    bool Skipped(const velmar_zusatzartikel& entry) const;
    // The text of a part's node; empty for a group code of no part.
    QString RootText(int group) const;
    QTreeWidgetItem* FindOrAddNode(QTreeWidgetItem* parent, int data, const QString& text);
    // The leaf of `entry` below `parent`, ticked when `chosen` holds it.
    void AddLeaf(QTreeWidgetItem* parent, velmar_zusatzartikel& entry, Entries& offered,
                 const Entries* chosen);
    // The accessories of `offered` that belong to the ticked `leaf`.
    void AddChildren(QTreeWidgetItem* leaf, Entries& offered, const Entries* chosen);
    void AddChildrenEverywhere(QTreeWidgetItem* leaf);
    void DeleteChildren(QTreeWidgetItem* node);
    void SetState(QTreeWidgetItem* node, int state);
    velmar_zusatzartikel* EntryOf(const QTreeWidgetItem* node) const;
    bool Checkable(const QTreeWidgetItem* node) const;
    void RefreshDetails();
    void LoadReinforcements(int chamber, QListWidget* list, std::vector<velmar_stahl>& shown);
    void ShowSection();

    ServiceClient& service_;
    Materialdaten& request_;
    std::vector<velmar_cutpos> offered_;
    std::vector<velmar_cutpos>& selection_;
    int cutSide_;
    // The entry behind each accessory node, in offered_.
    std::map<const QTreeWidgetItem*, velmar_zusatzartikel*> entries_;
    // The reinforcement chosen per node, chamber 1 and chamber 2.
    std::map<const QTreeWidgetItem*, velmar_stahl> chamber1_, chamber2_;
    std::vector<velmar_stahl> reinforcements1_, reinforcements2_;
    QTreeWidgetItem* currentNode_ = nullptr;
    velmar_zusatzartikel* currentEntry_ = nullptr;
    std::unique_ptr<vm::SectionPreview> preview_;
};
