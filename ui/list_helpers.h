#pragma once
// Helpers shared by the main form and the selection dialogs: filling list
// boxes from candidate lists and picking the current entry by the rule of
// model/entry_pick.h, and numbers in the component's fixed text notation.

#include <QListWidget>
#include <QString>

#include <string>
#include <vector>

#include "model/entry_pick.h"
#include "model/records.h"

namespace vm {

// Texts of the records are UTF-16 or wide strings; the controls take QString.
inline QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString ToQString(const std::wstring& text) {
    return QString::fromStdWString(text);
}
inline QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Index of the entry behind an item, kept as the item's data.
constexpr int EntryIndexRole = Qt::UserRole;

// Index of the entry behind a list-box item; -1 for none or no index.
int EntryIndexOf(const QListWidgetItem* item);

// Sets one tab stop at the given distance in dialog units (a quarter of the
// font's average character width each), so "name\tdetail" lines up.
void SetTabStopDialogUnits(QListWidget* listBox, int dialogUnits);

// Clears the list box and adds one item per entry in list order: text is the
// entry's name, the item's data its index in the list.
template <class Entry> void FillEntryList(QListWidget* listBox, const std::vector<Entry>& list) {
    if (listBox == nullptr) return;
    listBox->clear();
    for (std::size_t i = 0; i < list.size(); ++i) {
        auto* item = new QListWidgetItem(ToQString(list[i].getName()));
        item->setData(EntryIndexRole, static_cast<int>(i));
        listBox->addItem(item);
    }
}

// Reinforcement lists: the same, with one tab stop at 220 dialog units so
// that a name's details after a tab line up.
void FillEntryList(QListWidget* listBox, const std::vector<velmar_stahl>& list);

// The entry behind the selected item of a list box; null for none.
template <class Entry>
const Entry* SelectedEntry(const QListWidget* listBox, const std::vector<Entry>& list) {
    if (listBox == nullptr) return nullptr;
    const auto selected = listBox->selectedItems();
    return selected.isEmpty() ? nullptr : EntryAt(list, EntryIndexOf(selected.front()));
}
// Index of the entry behind the selected item; -1 for none.
int SelectedEntryIndex(const QListWidget* listBox);

// Selects the item of the entry with the given id by the pick rule and
// scrolls it into view; true when the id or a default matched. False on an
// empty list box.
template <class Entry>
bool SelectEntryById(QListWidget* listBox, const std::vector<Entry>& list, int id) {
    if (listBox == nullptr) return false;
    const Pick pick = PickEntry(listBox->count(), id, [&](int row) {
        return EntryAt(list, EntryIndexOf(listBox->item(row)));
    });
    if (pick.position < 0) return false;
    listBox->setCurrentRow(pick.position, QItemSelectionModel::ClearAndSelect);
    listBox->scrollToItem(listBox->item(pick.position));
    return pick.matched;
}

// Fixed notation with a point: decimals above 15 count as 15; negative
// decimals give 15 significant digits; NaN and infinities are written as 0.
QString FormatFixed(double value, int decimals);

// The number written by FormatFixed (leading and trailing blanks allowed, a
// comma is taken as the point); 0 for a text that is not a number.
double ParseNumber(const QString& text);

} // namespace vm
