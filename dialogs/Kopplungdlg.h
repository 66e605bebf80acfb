#pragma once
// The coupling dialog: the coupling profile that joins two elements, chosen
// from the couplings the profile system offers, with its steel
// reinforcement and a section drawing of the choice.

#include <memory>
#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ServiceClient;
namespace vm {
class SectionPreview;
}

class TKopplungForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    // `couplings` is the opener's list and is only read; `request` is the
    // opener's and carries the reinforcement and drawing queries.
    // `reinforcementId` is kept: the reinforcement offered first is the
    // coupling's own.
    TKopplungForm(int reinforcementId, int couplingId, const std::vector<velmar_artikel>& couplings,
                  Materialdaten& request, ServiceClient& service, QWidget* parent = nullptr);
    ~TKopplungForm() override;

    // Results, valid when `accepted` is set: the index of the chosen coupling
    // in the list passed (-1 for none) and the chosen reinforcement.
    int chosenIndex = -1;
    velmar_stahl reinforcement;

    QTreeWidget* TreeView1;
    QLabel *Label1, *Label2;
    QListWidget* ListBox2;
    QWidget* Panel2;

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
    Materialdaten& request_;
    ServiceClient& service_;
    std::unique_ptr<vm::SectionPreview> preview_;
    std::vector<velmar_stahl> reinforcements_; // of the current coupling, behind ListBox2
    int reinforcementId_;
    int couplingId_;
    int current_ = -1; // index of the current coupling; -1 for none
};
