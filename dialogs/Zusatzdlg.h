#pragma once
// The additional-profiles dialog: the accessories and additional profiles
// the service offers for one cut, as a tree of the element's parts (frame,
// sash, mullion, astragal, coupling, sill) and article kinds, each accessory
// with a check box. A ticked accessory may exclude others of its level and
// bring its own accessories below it; for the accessory in hand the user
// picks a steel reinforcement per chamber and sees its section.

#include <map>
#include <vector>

#include "dialogs/article_section.h"

class QLabel;
class QLineEdit;
class QTreeWidgetItem;

class TZusatzForm : public vm::ArticleSectionDialog {
    Q_OBJECT
public:
    struct Inputs {
        ServiceClient& service;
        // The main form's: the reinforcement and section queries go out on it.
        Materialdaten& request;
        // The cut positions with the accessories the service offers in the
        // zusatz lists of their openings (copied).
        const std::vector<velmar_cutpos>& offered;
        // The positions with the accessories chosen so far; the i-th belongs
        // to the i-th of `offered`.
        const std::vector<velmar_cutpos>& selection;
        // 151, 152 or 153 keeps to opening1, opening2 or opening3 of each
        // position; anything else takes all three.
        int cutSide;
        unsigned int further; // the opener's; changes nothing here
    };
    // Valid when `accepted` is set.
    struct Result {
        // `offered` with the accessories ticked at OK in the openings of
        // `cutSide`; what the tree did not show stays as `selection` had it.
        std::vector<velmar_cutpos> selection;
        unsigned int checkedCount = 0; // the accessories ticked at OK
    };
    explicit TZusatzForm(const Inputs& in, QWidget* parent = nullptr);
    ~TZusatzForm() override;

    Result result;

    // A tree node's state image: -1 none (part and kind nodes), 1 not
    // ticked, 2 ticked.
    static int StateOf(const QTreeWidgetItem* node);
    // Where a node's state image lies in the tree's viewport.
    QRect StateImageRect(const QTreeWidgetItem* node) const;

    QTreeWidget* TreeView1;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QListWidget *ListBox2, *ListBox3;
    QLineEdit* Edit1;

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

    std::vector<velmar_cutpos> offered_;
    const std::vector<velmar_cutpos>& selection_;
    int cutSide_;
    // The entry behind each accessory node, in offered_.
    std::map<const QTreeWidgetItem*, velmar_zusatzartikel*> entries_;
    // The reinforcement chosen per node, chamber 1 and chamber 2.
    std::map<const QTreeWidgetItem*, velmar_stahl> chamber1_, chamber2_;
    std::vector<velmar_stahl> reinforcements1_, reinforcements2_;
    QTreeWidgetItem* currentNode_ = nullptr;
    velmar_zusatzartikel* currentEntry_ = nullptr;
};
