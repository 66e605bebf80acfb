#pragma once
// The article dialog: one profile article (frame, sash, mullion, astragal,
// glazing bead) of the opener's candidate list, with the steel reinforcement
// of its main chamber and, for a frame, of its second chamber, and the
// section of the article as it would be built.

#include <vector>

#include "dialogs/article_section.h"

class QCheckBox;
class QLabel;

class TArtikelForm : public vm::ArticleSectionDialog {
    Q_OBJECT
public:
    struct Inputs {
        ServiceClient& service;
        // The opener's: the reinforcement and section queries go out on it,
        // its row lists stay as they are.
        Materialdaten& request;
        bool standardOnly;      // the opener's; changes nothing here
        bool withReinforcement; // offers the reinforcements of the article in hand
        int reinforcement2Id;   // preselected in the chamber-2 list when the dialog opens
        int reinforcement1Id;   // preselected in the chamber-1 list when the dialog opens
        // 11 frame, 23 sash, 24 mullion, 25 astragal, 26 glazing bead; a
        // frame with reinforcement offers both chambers.
        int konstType;
        int currentId;                               // the article preselected
        const std::vector<velmar_artikel>& articles; // the opener's list, read only
    };
    // Valid when `accepted` is set.
    struct Result {
        int chosenIndex = -1; // in `articles`; -1 for none
        // With reinforcement, the one chosen for each chamber;
        // default-constructed where its list had no selection.
        velmar_stahl reinforcement1;
        velmar_stahl reinforcement2;
    };
    explicit TArtikelForm(const Inputs& in, QWidget* parent = nullptr);
    ~TArtikelForm() override;

    Result result;

    QListWidget *ListBox1, *ListBox2, *ListBox3;
    QLabel *Label1, *Label2, *Label3;
    QCheckBox* cbDefault;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void FillArticles(int articleId);
    void cbDefaultClick();
    void LoadReinforcements();
    void Draw();

    const std::vector<velmar_artikel>& articles_;
    std::vector<velmar_stahl> steels1_; // chamber 1, behind ListBox2
    std::vector<velmar_stahl> steels2_; // chamber 2, behind ListBox3
    bool withReinforcement_;
    int steel1Id_;
    int steel2Id_;
    int konstType_;
    int articleId_;
    bool opening_ = true;
};
