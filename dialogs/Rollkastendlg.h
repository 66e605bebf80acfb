#pragma once
// The roller-shutter box dialog: attaches a box to the element or removes it
// and chooses its parts (construction type, box, drive, operating side,
// curtain, curtain colour, guide rail, box overhangs). Every choice is checked
// against the element's size at once, and the chosen box is drawn on the
// element's head. The chosen box is handed back on OK.

#include <memory>
#include <vector>

#include "dialogs/size_checks.h"
#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;
class ServiceClient;
namespace vm {
class SectionPreview;
}

class TRollkastenForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    struct Inputs {
        ServiceClient& service;
        // The form's exchange record: its header goes into the dialog's own
        // queries and the drawing is asked on it.
        Materialdaten& request;
        const velmar_rollkasten& box; // the element's box, preselected
        const vm::ElementSize& size;  // read at every check, so a new size counts at once
    };
    // Valid when `accepted` is set.
    struct Result {
        velmar_rollkasten chosen; // the box with its parts; id 0 for no box
    };
    explicit TRollkastenForm(const Inputs& in, QWidget* parent = nullptr);
    ~TRollkastenForm() override;

    Result result;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QListWidget *ListBox1, *ListBox2, *LbAntrieb, *LbPanzer, *LbPanzerfarbe, *LbRfs;
    QRadioButton *rbBSl, *rbBSr;
    QCheckBox *CbUeberstandLinks, *CbUeberstandRechts;
    QWidget *Panel2, *Panel3;
    QLabel *LSizeError, *LHighError;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void ListBox1Click();
    void ListBox1DblClick();
    void ListBox2Click();
    void LbAntriebClick();
    void LbPanzerClick();
    void LbRfsClick();

    void LoadKastenListen();
    void FillKastentypen();
    void LoadZubehoer(QListWidget* listBox, int kind, int currentId,
                      std::vector<velmar_artikel>& list);
    void LoadFuehrungen(int currentId);
    void LoadAllZubehoer();
    void ReadKasten(velmar_rollkasten& target) const;
    void UpdateUeberstand();
    void CheckKasten();
    void DrawKasten();
    // A query with the header of the form's request.
    Materialdaten Query() const;
    const velmar_rollkasten* ChosenBox() const;

    ServiceClient& service_;
    Materialdaten& request_;
    const velmar_rollkasten box_; // as the dialog opened
    const vm::ElementSize& size_;
    std::unique_ptr<vm::SectionPreview> preview_;
    std::vector<velmar_rollkasten> boxes_;
    std::vector<velmar_artikel> drives_, curtains_, curtainColours_;
    std::vector<velmar_zusatzartikel> guideRails_;
};
