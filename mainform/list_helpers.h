#pragma once
// Helpers shared by the main form and the selection dialogs: filling list
// boxes from candidate lists and picking the current entry, and numbers in
// the component's fixed text notation.

#include <QListWidget>
#include <QString>

#include <string>
#include <vector>

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

// Selects the item of the entry with the given id (true); failing that the
// first entry marked as the default (true); failing that item 0 (false).
// False on an empty list box. Items whose index lies outside the list are
// skipped.
template <class Entry>
bool SelectEntryById(QListWidget* listBox, const std::vector<Entry>& list, int id) {
    if (listBox == nullptr || listBox->count() == 0) return false;
    auto entryOf = [&](int row) -> const Entry* {
        const int index = EntryIndexOf(listBox->item(row));
        if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
        return &list[static_cast<std::size_t>(index)];
    };
    auto select = [&](int row) {
        listBox->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        listBox->scrollToItem(listBox->item(row));
    };
    for (int row = 0; row < listBox->count(); ++row) {
        const Entry* entry = entryOf(row);
        if (entry != nullptr && entry->getId() == id) {
            select(row);
            return true;
        }
    }
    for (int row = 0; row < listBox->count(); ++row) {
        const Entry* entry = entryOf(row);
        if (entry != nullptr && entry->isDefault()) {
            select(row);
            return true;
        }
    }
    select(0);
    return false;
}

// Fixed notation with a point: decimals above 15 count as 15; negative
// decimals give 15 significant digits; NaN and infinities are written as 0.
QString FormatFixed(double value, int decimals);

// The number written by FormatFixed (leading and trailing blanks allowed, a
// comma is taken as the point); 0 for a text that is not a number.
double ParseNumber(const QString& text);

} // namespace vm
