#pragma once
// The colour dialog: the profile colour from the colours the profile system
// offers. The user picks a colour group with a radio button, then a colour
// of that group; for RAL finishes also the RAL numbers or the finish options.
// Shows a picture of the chosen colour and its base-body and gasket colours,
// and hands back the colour id and the colour text.

#include <QString>

#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class ServiceClient;

class TColorDlg : public vm::SelectionDialog {
    Q_OBJECT
public:
    // Colour groups and the base-body and gasket colours in a colour's flags
    // word.
    enum Group : int {
        None = 0x1,
        Outside = 0x4,
        Both = 0x8,
        TxOutside = 0x400,
        KoOutside = 0x800,
        KoBoth = 0x1000,
        TxBoth = 0x2000,
        RalAlu1 = 0x4000,
        RalAlu2 = 0x8000,
        RalStandard = 0x10000,
        RalSonder = 0x20000,
        RalPremium = 0x40000,
        VarneoBoth = 0x200000,
        VarneoOutside = 0x400000,
    };

    struct Inputs {
        ServiceClient& service;
        // The opener's request: the colour picture is asked on it, its
        // article number restored afterwards.
        Materialdaten& request;
        const std::vector<velmar_nameid>& colours; // the colours the series offers
        int currentId;                             // the colour preselected
        const WideText& text; // the colour text as the opener holds it, shown in the RAL options
    };
    // Valid when `accepted` is set.
    struct Result {
        int chosenId = -1; // the chosen colour, -1 for none
        // "0@0" form for the RAL price classes, RAL numbers for the RAL
        // finishes, else empty.
        WideText text;
    };
    explicit TColorDlg(const Inputs& in, QWidget* parent = nullptr);
    ~TColorDlg() override;

    Result result;

    QGroupBox *gbDekor, *gbRAL;
    QRadioButton *RadioNone, *RadioOutside, *RadioBoth, *RadioKoOutside, *RadioKoBoth,
        *RadioTxOutside, *RadioTxBoth, *RadioVarneoOutside, *RadioVarneoBoth, *RadioRalAlu1,
        *RadioRalAlu2, *RadioRalStandard, *RadioRalSonder, *RadioRalPremium;
    QLineEdit *edtRalai, *edtRalaussen, *edtRalinnen;
    QLabel *lblRalaussen, *lblRalinnen, *Image1, *lblGK, *GrundK, *LabelDicht, *Dichtung;
    QLabel *Label1, *Label2, *LC;
    QRadioButton *rbweiss, *rbDekor;
    QCheckBox* cbVoranodisiert;
    QFrame *Panel2, *Panel3;
    QListWidget* ListBox1;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void RadioBtnClick(QRadioButton* radio);
    void ListBox1Click();
    bool Offered(int group) const;
    int InitialGroup() const;
    int ChosenGroup() const;
    void CheckGroupRadio(int group);
    void FillList(int group);
    void ShowRalNumberControls(bool visible);
    void ShowPicture();
    void ShowBaseBodyAndGasket();

    // The group radios with their groups, in the order the chosen group is
    // read from them.
    std::vector<std::pair<QRadioButton*, int>> groupRadios_;

    const std::vector<velmar_nameid>& colours_;
    Materialdaten& request_;
    ServiceClient& service_;
    std::vector<velmar_nameid> shown_;
    int currentId_;
    const WideText text_; // as the dialog opened
};
