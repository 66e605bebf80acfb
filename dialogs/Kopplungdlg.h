#pragma once
// The coupling dialog: the coupling profile that joins two elements, chosen
// from the couplings the profile system offers, with its steel
// reinforcement and a section drawing of the choice.

#include <vector>

#include "dialogs/article_section.h"

class QLabel;
class QTreeWidgetItem;

class TKopplungForm : public vm::ArticleSectionDialog {
    Q_OBJECT
public:
    struct Inputs {
        ServiceClient& service;
        // The opener's: the reinforcement and section queries go out on it.
        Materialdaten& request;
        // The opener's current reinforcement; changes nothing here, as the
        // reinforcement offered first is the coupling's own.
        int reinforcementId;
        int currentId;                                // the coupling preselected
        const std::vector<velmar_artikel>& couplings; // the opener's list, read only
    };
    // Valid when `accepted` is set.
    struct Result {
        int chosenIndex = -1;       // in `couplings`; -1 for none
        velmar_stahl reinforcement; // default-constructed where none was chosen
    };
    explicit TKopplungForm(const Inputs& in, QWidget* parent = nullptr);
    ~TKopplungForm() override;

    Result result;

    QTreeWidget* TreeView1;
    QLabel *Label1, *Label2;
    QListWidget* ListBox2;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void TreeView1MouseDown(const QTreeWidgetItem* item);
    void LoadReinforcements();
    void ListBox2Click();
    void Button2Click();
    int CouplingIndexOf(const QTreeWidgetItem* item) const;

    const std::vector<velmar_artikel>& couplings_;
    std::vector<velmar_stahl> reinforcements_; // of the current coupling, behind ListBox2
    int couplingId_;
    int current_ = -1; // index of the current coupling; -1 for none
};
