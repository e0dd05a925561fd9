#include "app/core/FolderLoad.h"

#include <algorithm>
#include <numeric>

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

std::vector<std::size_t> LoadedRowOrder(std::span<const ItemSortKey> keys, int direction) {
    std::vector<std::size_t> rows(keys.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    // Placing each row before the first row it compares greater than gives the
    // rows in falling order of the comparison, equal rows in arrival order:
    // exactly a stable sort.
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        return CompareForDirection(keys[a], keys[b], direction) > 0;
    });
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
