#pragma once
// The glass dialog: a glass of the profile system's glass list, optionally
// an ornament or function glass for it and, when opened for a profile, the
// glazing bead that holds it. Shows the glass's Ug and PsiG and hands the
// chosen glass back with the values shown written into it.

#include <memory>
#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class ServiceClient;
namespace vm {
class SectionPreview;
}

class TGlasForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    struct Inputs {
        ServiceClient& service;
        // The opener's request: its header goes into the ornament query; in
        // the bead mode the bead query fields and both bead lists are written
        // into it.
        Materialdaten& request;
        // The opener's glass list, changed in place: on OK the chosen entry
        // takes the values shown (a spacer kind its code at once), because
        // the main form shows the glass and its Ug from its own list after a
        // choice.
        std::vector<velmar_artikel>& glasses;
        int currentId; // the glass preselected
        // The opener's edge-seal value, shown over the glass's own when it
        // is one (>= 0).
        double psiG;
        // Opened for a profile: the beads of the profile `profileId` of type
        // `konstType` (11, a frame: the frame-side beads; else the sash
        // side) are offered too, `glazingBeadId` preselected.
        bool showGlazingBeads;
        int konstType;
        int profileId;
        int glazingBeadId;
    };
    // Valid when `accepted` is set.
    struct Result {
        // The chosen glass with the Ug, PsiG, spacer code and ornament shown.
        velmar_artikel chosen;
        velmar_artikel glazingBead; // the chosen bead, in the bead mode only
        double ug = 0.0;            // as shown
        double psiG = 0.0;          // as shown
        int spacerCode = 0;         // the spacer kind chosen, 0 for none
    };
    explicit TGlasForm(const Inputs& in, QWidget* parent = nullptr);
    ~TGlasForm() override;

    Result result;

    QListWidget *ListBox1, *LbOrnamente, *ListBox2;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QLabel *PsiGMaterial, *Ug, *PsiG;
    QComboBox* PsiGCB;
    QWidget* Panel2;
    QPushButton* Panel_3;

    // The spacer kinds offered for the edge seal, in order.
    struct Spacer {
        const char* key;
        double psiG;
        int code;
    };
    static const std::vector<Spacer>& Spacers();

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void FillGlasses(int glassId);
    void ListBox1Click();
    void ListBox1DblClick();
    void ListBox2Click();
    void PsiGCBChange(int row);
    void LoadOrnaments();
    void LoadGlazingBeads();
    void ShowPsiGLabels();
    const velmar_artikel* ChosenGlass() const;
    std::vector<velmar_artikel>& BeadList();
    int& BeadField();

    ServiceClient& service_;
    Materialdaten& request_;
    std::vector<velmar_artikel>& glasses_;
    std::vector<velmar_artikel> ornaments_;
    std::unique_ptr<vm::SectionPreview> preview_;
    bool showGlazingBeads_;
    int profileId_;
    int konstType_;
    int glazingBeadId_;
    int glassId_;
    double psiG_;
};
