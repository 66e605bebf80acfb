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

class TNameIdForm : public vm::SelectionDialog {
    Q_OBJECT
public:
    // `entries` is the opener's list, read only; `request` tells whether the
    // cladding is locked. `caption` and `subtitle` are the window title and
    // the text under the list. `optionVisible`, `secondOption` and `kind`
    // belong to the opener and are kept for it.
    TNameIdForm(bool optionVisible, bool secondOption, bool cladding, int kind, int entryId,
                const std::vector<velmar_nameid>& entries, const Materialdaten& request,
                const QString& caption, const QString& subtitle, QWidget* parent = nullptr);

    // The cladding lock of a request, as the service's answer to the series
    // query left it.
    static bool CladdingLocked(const Materialdaten& request);

    // Results, valid when `accepted` is set: the index of the chosen entry
    // in the opener's list (-1 for none) and whether the cladding shells are
    // to be used. The opener's other values come back as they were given.
    int chosenIndex = -1;
    bool cladding;
    const bool optionVisible;
    const bool secondOption;
    const int kind;

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
};
