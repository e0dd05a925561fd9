#include "app/core/FolderLoad.h"

#include <algorithm>

#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app {

FolderLoadPlan FolderLoadPlan::For(std::size_t itemCount, bool fullLoad, int folderKind) {
    FolderLoadPlan plan;
    const bool loadsAll = fullLoad || itemCount <= kFullLoadLimit;
    plan.rows = loadsAll ? itemCount : kPartialRows;
    plan.partial = !loadsAll;
    plan.sortField = field::EndTime;
    plan.direction = folderKind == folder::NeedsAttention ? 1 : 0;
    return plan;
}

namespace {

// The rows without a value (null or invalid dates or amounts) as loading in
// descending order places them ahead of every row with a value: an invalid
// one goes before every row, a null one before the first row that is not
// null. So each invalid row heads the null rows that arrived after it, the
// latest invalid row first, and the null rows that came before any invalid
// one close the group.
std::vector<std::size_t> LeadingRowsWithoutValue(std::span<const ItemSortKey> keys,
                                                 const std::vector<std::size_t>& rows) {
    std::vector<std::size_t> invalid;
    // nullsAfter[k]: the null rows that arrived after the k-th invalid row
    // (nullsAfter[0]: those before any).
    std::vector<std::vector<std::size_t>> nullsAfter(1);
    for (const std::size_t row : rows) {
        if (keys[row].IsNull()) {
            nullsAfter.back().push_back(row);
        } else {
            invalid.push_back(row);
            nullsAfter.emplace_back();
        }
    }
    std::vector<std::size_t> ordered;
    ordered.reserve(rows.size());
    for (std::size_t k = invalid.size(); k > 0; --k) {
        ordered.insert(ordered.end(), nullsAfter[k].begin(), nullsAfter[k].end());
        ordered.push_back(invalid[k - 1]);
    }
    ordered.insert(ordered.end(), nullsAfter[0].begin(), nullsAfter[0].end());
    return ordered;
}

}  // namespace

std::vector<std::size_t> LoadedRowOrder(std::span<const ItemSortKey> keys, int direction) {
    // Each row is placed before the first row that it compares greater than
    // (under the direction). A row without a value compares less than every
    // row under direction 1, and greater than every row with a value under
    // direction 0, so those rows form a group of their own at the end or at
    // the start of the list.
    std::vector<std::size_t> valued;
    std::vector<std::size_t> valueless;
    valued.reserve(keys.size());
    for (std::size_t row = 0; row < keys.size(); ++row) {
        (keys[row].HasValue() ? valued : valueless).push_back(row);
    }
    // Among rows with values, placing each row before the first row it
    // compares greater than gives the rows in falling order of the
    // comparison, equal rows in arrival order: exactly a stable sort.
    std::stable_sort(valued.begin(), valued.end(), [&](std::size_t a, std::size_t b) {
        return CompareForDirection(keys[a], keys[b], direction) > 0;
    });
    if (direction != 0) {
        valued.insert(valued.end(), valueless.begin(), valueless.end());
        return valued;
    }
    std::vector<std::size_t> rows = LeadingRowsWithoutValue(keys, valueless);
    rows.insert(rows.end(), valued.begin(), valued.end());
    return rows;
}

int ClickDirection(const ItemSortKey* first, const ItemSortKey* last) {
    if (first == nullptr || last == nullptr) {
        return 1;
    }
    return CompareForDirection(*first, *last, 1) > 0 ? 1 : 0;
}

void SortRows(std::vector<std::size_t>& rows, std::span<const ItemSortKey> keys, int direction) {
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        return CompareForDirection(keys[a], keys[b], direction) < 0;
    });
}

}  // namespace gb::app
