#pragma once
// The article dialog: one profile article (frame, sash, mullion, astragal,
// glazing bead) of the opener's candidate list, with the steel reinforcement
// of its main chamber and, for a frame, of its second chamber, and the
// section of the article as it would be built.

#include <memory>
#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QCheckBox;
class QLabel;
class QListWidget;
class ServiceClient;
namespace vm {
class SectionPreview;
}

class TArtikelForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    // `articles` is the opener's list, read only. The reinforcement and
    // section queries go out on the opener's `request`, whose row lists stay
    // as they are. `konstType` is the article type (11 frame, 23 sash, 24
    // mullion, 25 astragal, 26 glazing bead); a frame with reinforcement
    // offers both chambers. `steel2Id` and `steel1Id` are preselected in the
    // chamber lists when the dialog opens. `standardOnly` is the opener's and
    // changes nothing here.
    TArtikelForm(ServiceClient& service, bool standardOnly, bool withReinforcement, int steel2Id,
                 int steel1Id, int konstType, int articleId,
                 const std::vector<velmar_artikel>& articles, Materialdaten& request,
                 QWidget* parent = nullptr);
    ~TArtikelForm() override;

    // Results, valid when `accepted` is set: the index of the chosen article
    // in the opener's list (-1 for none) and, with reinforcement, the chosen
    // reinforcement of each chamber (default-constructed where its list had
    // no selection).
    int chosenIndex = -1;
    velmar_stahl chosenSteel1;
    velmar_stahl chosenSteel2;

    QListWidget *ListBox1, *ListBox2, *ListBox3;
    QLabel *Label1, *Label2, *Label3;
    QWidget* Panel2;
    QCheckBox* cbDefault;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void FillArticles(int articleId);
    void ListBox1Click();
    void ListBox1DblClick();
    void ListBox2Click();
    void cbDefaultClick();
    void LoadReinforcements();
    void Draw();

    ServiceClient& service_;
    Materialdaten& request_;
    const std::vector<velmar_artikel>& articles_;
    std::vector<velmar_stahl> steels1_; // chamber 1, behind ListBox2
    std::vector<velmar_stahl> steels2_; // chamber 2, behind ListBox3
    std::unique_ptr<vm::SectionPreview> preview_;
    bool withReinforcement_;
    int steel1Id_;
    int steel2Id_;
    int konstType_;
    int articleId_;
    bool opening_ = true;
};
