#pragma once
// The roller-shutter box dialog: attaches a box to the element or removes it
// and chooses its parts (construction type, box, drive, operating side,
// curtain, curtain colour, guide rail, box overhangs). Every choice is checked
// against the element's size at once, and the chosen box is drawn on the
// element's head. The main form's box is written only on OK.

#include <memory>
#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;
class TForm1;
namespace vm {
class SectionPreview;
}

class TRollkastenForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    // `box` is the form's box, edited in place on OK; `request` the form's
    // exchange record: its header goes into the dialog's own queries and the
    // drawing is asked on it. The size checks use the form's element size.
    TRollkastenForm(TForm1& form, velmar_rollkasten& box, Materialdaten& request,
                    QWidget* parent = nullptr);
    ~TRollkastenForm() override;

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

    TForm1& form_;
    velmar_rollkasten& box_;
    Materialdaten& request_;
    std::unique_ptr<vm::SectionPreview> preview_;
    std::vector<velmar_rollkasten> boxes_;
    std::vector<velmar_artikel> drives_, curtains_, curtainColours_;
    std::vector<velmar_zusatzartikel> guideRails_;
};
