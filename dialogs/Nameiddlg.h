#pragma once
// The name dialog: one entry of a plain list of named entries; the main form
// chooses the profile series with it, together with the aluminium cladding
// shells where the series offers them.

#include <vector>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class ServiceClient;

class TNameIdForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    struct Inputs {
        ServiceClient& service;                    // not asked: the opener hands the list filled
        const Materialdaten& request;              // tells whether the cladding is locked
        const std::vector<velmar_nameid>& entries; // the opener's list
        int currentId;                             // the entry preselected
        bool cladding;                             // the cladding shells as the opener holds them
        QString caption;                           // the window title
        QString subtitle;                          // the text under the list
        // The opener's own values, not read by the dialog: the opener keeps
        // them.
        bool optionVisible;
        bool secondOption;
        int kind;
    };
    // Valid when `accepted` is set.
    struct Result {
        int chosenIndex = -1;  // in the opener's list, -1 for none
        bool cladding = false; // the cladding shells are to be used
    };
    explicit TNameIdForm(const Inputs& in, QWidget* parent = nullptr);

    // The cladding lock of a request, as the service's answer to the series
    // query left it.
    static bool CladdingLocked(const Materialdaten& request);

    Result result;

    QListWidget* ListBox1;
    QCheckBox* Alu;
    QGroupBox* RadioGroup1;
    QRadioButton *VerschweissRB, *EinrollRB;
    QLabel* Label1;

protected:
    void Panel_2Click() override;

private:
    void FormShow() override;
    void ListBox1Click();

    const Materialdaten& request_;
    const std::vector<velmar_nameid>& entries_;
    QString caption_;
    QString subtitle_;
    int entryId_;
    const bool cladding_; // as the dialog opens: the opener's, unless locked
};
