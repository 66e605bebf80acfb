#pragma once
// The glazing-bar dialog: the kind of bar (glass-dividing, adhesive,
// Viennese, internal), a bar of that kind from the lists the main form asked
// the service for and, for a glass-dividing bar, its steel reinforcement;
// beside the lists the section of the chosen bar.

#include <vector>

#include "dialogs/article_section.h"

class QGroupBox;
class QLabel;
class QRadioButton;

class TSprossenForm : public vm::ArticleSectionDialog {
    Q_OBJECT
public:
    // The kinds of bar and the request list each is offered in.
    static constexpr int kGlassDividing = 1295;
    static constexpr int kAdhesive = 1296;
    static constexpr int kInternal = 1297;
    static constexpr int kViennese = 8377;
    // The bar list of `request` that holds the bars of kind `konstType`; an
    // unknown kind is taken as glass-dividing.
    static std::vector<velmar_artikel>& BarList(Materialdaten& request, int konstType);

    struct Inputs {
        ServiceClient& service;
        // The opener's: holds the four bar lists, and the reinforcement and
        // section queries go out on it.
        Materialdaten& request;
        int konstType;       // the kind shown first; an unknown kind shows the glass-dividing bars
        int currentId;       // the bar preselected
        int reinforcementId; // its reinforcement, preselected when the dialog opens
    };
    // Valid when `accepted` is set.
    struct Result {
        int konstType = kGlassDividing; // the kind shown at OK
        int chosenIndex = -1;           // in BarList(request, konstType); -1 for none
        // For a glass-dividing bar the one chosen (id -1 and an empty name
        // for none); for the other kinds the id passed in.
        velmar_stahl reinforcement;
    };
    explicit TSprossenForm(const Inputs& in, QWidget* parent = nullptr);
    ~TSprossenForm() override;

    Result result;

    QGroupBox* RadioGroup1;
    QRadioButton *GlasRB, *KlebeRB, *WienerRB, *InnenRB;
    QListWidget *ListBox1, *ListBox2;
    QLabel *Label1, *Label2;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void FillBars();
    void LoadReinforcements();
    void Draw();

    std::vector<velmar_artikel> bars_;         // the bars of the kind shown
    std::vector<velmar_stahl> reinforcements_; // of the bar shown, behind ListBox2
    int konstType_;                            // the kind shown
    int barId_;
    int reinforcementId_;
    int listBox1Height_;
    bool opening_ = true; // the reinforcement passed in is preselected on the first load only
};
