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
    // `glasses` and `request` are the opener's and are changed in place: the
    // bead query fields and lists, and on OK the chosen glass entry.
    // `konstType` 11 (frame) selects the frame-side bead fields, every other
    // value the sash side.
    TGlasForm(ServiceClient& service, int spacerCode, int glazingBeadId, int konstType,
              int profileId, bool showGlazingBeads, double psiG, double ug, int glassId,
              std::vector<velmar_artikel>& glasses, Materialdaten& request,
              QWidget* parent = nullptr);
    ~TGlasForm() override;

    // Results, valid when `accepted` is set: the chosen glass with its Ug,
    // PsiG, spacer code and ornament; the chosen bead (bead part only).
    velmar_artikel resultGlass;
    velmar_artikel resultGlazingBead;
    double ug;
    double psiG;
    int spacerCode;

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
};
