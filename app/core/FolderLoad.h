#pragma once
// How the item list fills itself with a folder's items. A folder of more than
// 400 items shows only its first 50 until the user asks for all of them by
// clicking a column heading. Rows come in order of end time: the latest first
// in Needs Attention, the earliest first everywhere else, items with equal
// end times in the order of the folder's items.

#include <cstddef>
#include <span>
#include <vector>

#include "app/core/ItemSortKey.h"

namespace gb::app {

struct FolderLoadPlan {
    static constexpr std::size_t kFullLoadLimit = 400;
    static constexpr std::size_t kPartialRows = 50;

    std::size_t rows = 0;  // how many of the folder's first items are shown
    bool partial = false;
    int sortField = 0;
    int direction = 0;  // of the sort state the load leaves: 1 ascending

    // `fullLoad`: the user asked for every item.
    static FolderLoadPlan For(std::size_t itemCount, bool fullLoad, int folderKind);
};

// The order of the loaded rows: indices into `keys`, as inserting the rows one
// by one gives, each before the first row it compares greater than under the
// plan's direction, so that rows with equal keys keep the folder's order. A
// null or invalid date or amount compares as the list's comparison has it:
// under direction 1 less than every row; under direction 0 an invalid one
// greater than every row, a null one greater than every row but a null one.
std::vector<std::size_t> LoadedRowOrder(std::span<const ItemSortKey> keys, int direction);

// The direction a click on a column sorts in: ascending, unless the rows
// already ascend by that column (or all its values are equal), then
// descending. `first` and `last` are the keys of the first and last rows.
int ClickDirection(const ItemSortKey* first, const ItemSortKey* last);

// Sorts `rows` (indices into `keys`) by the keys in the given direction,
// keeping the present order of equal keys.
void SortRows(std::vector<std::size_t>& rows, std::span<const ItemSortKey> keys, int direction);

}  // namespace gb::app
