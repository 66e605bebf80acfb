#include "dialogs/Nameiddlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include <variant>

#include "model/ks_lists.h"
#include "ui/list_helpers.h"

namespace {

// A series whose flags carry this bit takes aluminium cladding shells.
constexpr int kCladdingOffered = 1;

} // namespace

bool TNameIdForm::CladdingLocked(const Materialdaten& request) {
    // The lock has no field of its own: it travels in the tag that the
    // fire-protection check also answers in.
    const Materialdaten::ScalarField* lock = Materialdaten::scalarField(ks_request::claddingLock);
    return request.*std::get<bool Materialdaten::*>(lock->member);
}

TNameIdForm::TNameIdForm(const Inputs& in, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("NameIdForm"), in.caption, 433, 463),
      request_(in.request), entries_(in.entries), caption_(in.caption), subtitle_(in.subtitle),
      entryId_(in.currentId), cladding_(in.cladding && !CladdingLocked(in.request)) {
    ListBox1 = AddListBox("ListBox1", 8, 8, 417, 409);
    vm::SetTabStopDialogUnits(ListBox1, 100);
    Alu = AddCheckBox("Alu", QStringLiteral("Aluvorsatzschalen verwenden"), 8, 422);
    // The gasket kinds are not offered; nothing reads them.
    RadioGroup1 = AddGroupBox("RadioGroup1", QString(), 168, 360, 257, 64);
    VerschweissRB = AddRadioButton("VerschweissRB", QStringLiteral("verschweißbare Dichtung"),
                                   264 - 168, 376 - 360, -1, RadioGroup1);
    EinrollRB = AddRadioButton("EinrollRB", QStringLiteral("einrollbare Dichtung"), 264 - 168,
                               400 - 360, -1, RadioGroup1);
    RadioGroup1->hide();
    Label1 = AddLabel("Label1", QStringLiteral("-----"), 8, 445);
    Panel_2->setGeometry(262, 434, 75, 22);
    Panel_1->setGeometry(350, 434, 75, 22);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { Panel_2Click(); });
}

void TNameIdForm::FormShow() {
    setWindowTitle(caption_);
    Label1->setText(subtitle_);
    Label1->adjustSize();
    Alu->hide();
    Alu->setEnabled(!CladdingLocked(request_));
    Alu->setChecked(cladding_);
    {
        const QSignalBlocker blocker(ListBox1);
        vm::FillEntryList(ListBox1, entries_);
        vm::SelectEntryById(ListBox1, entries_, entryId_);
    }
    ListBox1Click();
}

void TNameIdForm::ListBox1Click() {
    Alu->setEnabled(false);
    const velmar_nameid* entry = vm::EntryAt(entries_, vm::SelectedEntryIndex(ListBox1));
    if (entry != nullptr && (entry->intValue & kCladdingOffered) != 0 && !CladdingLocked(request_))
        Alu->setEnabled(true);
}

void TNameIdForm::Panel_2Click() {
    result.chosenIndex = vm::SelectedEntryIndex(ListBox1);
    result.cladding = Alu->isChecked();
    SelectionDialog::Panel_2Click();
}
