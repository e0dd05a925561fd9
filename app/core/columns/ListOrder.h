#pragma once
// Moving and removing entries of the ordered lists the small editors show
// (a folder's columns, a drop-down field's values), and where the selection
// goes afterwards.

#include <utility>
#include <vector>

namespace gb::app {

// Moves the entry one place up (delta -1) or down (+1); the first does not go
// up, the last not down. Gives the entry's index afterwards.
template <typename T>
int MoveEntry(std::vector<T>& entries, int index, int delta) {
    const int target = index + delta;
    if (index < 0 || index >= static_cast<int>(entries.size()) || target < 0 ||
        target >= static_cast<int>(entries.size())) {
        return index;
    }
    std::swap(entries[static_cast<std::size_t>(index)], entries[static_cast<std::size_t>(target)]);
    return target;
}

// The entry selected after the one at `removed` went: the same place, or the
// one before when the last went; -1 when the list is empty.
inline int IndexAfterRemoval(int removed, int remaining) {
    return removed < remaining ? removed : remaining - 1;
}

}  // namespace gb::app
