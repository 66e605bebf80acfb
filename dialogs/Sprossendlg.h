#pragma once
// The glazing-bar dialog: the kind of bar (glass-dividing, adhesive,
// Viennese, internal), a bar of that kind from the lists the main form asked
// the service for and, for a glass-dividing bar, its steel reinforcement;
// beside the lists the section of the chosen bar.

#include <memory>
#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class ServiceClient;
namespace vm {
class SectionPreview;
}

class TSprossenForm : public vm::SelectionDialog {
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

    // `request` holds the four bar lists and receives the reinforcement
    // query; `konstType` is the kind shown first (an unknown kind shows the
    // glass-dividing bars), `barId` and `reinforcementId` the current bar
    // and its reinforcement.
    TSprossenForm(ServiceClient& service, Materialdaten& request, int konstType, int barId,
                  int reinforcementId, QWidget* parent = nullptr);
    ~TSprossenForm() override;

    // Results, valid when `accepted` is set: the kind shown at OK, the index
    // of the chosen bar in BarList(request, konstType) (-1 for none), and
    // for a glass-dividing bar the chosen reinforcement (id -1 and an empty
    // name for none; for the other kinds the reinforcement passed in).
    int konstType;
    int chosenIndex = -1;
    int reinforcementId;
    WideText reinforcementName;

    QGroupBox* RadioGroup1;
    QRadioButton *GlasRB, *KlebeRB, *WienerRB, *InnenRB;
    QListWidget *ListBox1, *ListBox2;
    QLabel *Label1, *Label2;
    QWidget* Panel2;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void SprossentypClick();
    void FillBars();
    void LoadReinforcements();
    void ListBox1Click();
    void ListBox1DblClick();
    void ShowSection();

    ServiceClient& service_;
    Materialdaten& request_;
    std::vector<velmar_artikel> bars_;         // the bars of the kind shown
    std::vector<velmar_stahl> reinforcements_; // of the bar shown, behind ListBox2
    std::unique_ptr<vm::SectionPreview> preview_;
    int barId_;
    int listBox1Height_;
    bool opening_ = true; // the reinforcement passed in is preselected on the first load only
};
