#pragma once
// The one rule that picks the entry a row or a list shows, and safe access
// to a list's entries by index. Entries are records with getId() and
// isDefault() (adg_nameid_props). No Qt: the main form's state and the
// dialogs' list boxes share it.

#include <cstddef>
#include <vector>

namespace vm {

// The position whose entry has the given id; failing that the first whose
// entry is marked as the default; failing that position 0 (`matched`
// false). -1 when there is no position. `entryAt(position)` gives the entry
// behind a position, or null for one without an entry, which is skipped.
struct Pick {
    int position = -1;
    bool matched = false;
};
template <class EntryAt> Pick PickEntry(int count, int id, EntryAt entryAt) {
    if (count <= 0) return {};
    for (int i = 0; i < count; ++i)
        if (const auto* entry = entryAt(i); entry != nullptr && entry->getId() == id)
            return {i, true};
    for (int i = 0; i < count; ++i)
        if (const auto* entry = entryAt(i); entry != nullptr && entry->isDefault())
            return {i, true};
    return {0, false};
}

// The entry behind `index`, or null outside the list.
template <class Entry> const Entry* EntryAt(const std::vector<Entry>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
    return &list[static_cast<std::size_t>(index)];
}
template <class Entry> Entry* EntryAt(std::vector<Entry>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

// Index of the entry to show for `id` in `list` by the pick rule; -1 for an
// empty list.
template <class Entry> int FindEntryIndex(const std::vector<Entry>& list, int id) {
    return PickEntry(static_cast<int>(list.size()), id,
                     [&](int i) { return &list[static_cast<std::size_t>(i)]; })
        .position;
}

} // namespace vm
