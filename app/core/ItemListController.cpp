#include "app/core/ItemListController.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "app/core/FolderLoad.h"
#include "app/core/ItemSortKey.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/ItemList.h"

using namespace gb::itemdb;

namespace gb::app {

ItemListController::ItemListController(CItemList& items, CFeeSchedule& fees,
                                       const FolderNameLookup& folders)
    : items_(items), fees_(fees), folders_(folders) {}

bool ItemListController::ShowFolder(std::int32_t folderId) {
    if (shownFolder_ == folderId) {
        return false;
    }
    shownFolder_ = folderId;
    partial_ = false;
    loadedWhole_ = false;
    sortedByUser_ = false;
    return true;
}

void ItemListController::ForgetFolder() {
    shownFolder_.reset();
    mergedRowsWaitingSince_.reset();
}

std::chrono::milliseconds ItemListController::RowMerged(Clock::time_point now) {
    if (!mergedRowsWaitingSince_) {
        mergedRowsWaitingSince_ = now;
    }
    const auto waited =
        std::chrono::duration_cast<std::chrono::milliseconds>(now - *mergedRowsWaitingSince_);
    return std::clamp(kMergedRowsLongestWait - waited, std::chrono::milliseconds::zero(),
                      kMergedRowsPause);
}

ItemListController::Items ItemListController::Load(const CItemFilter* filter,
                                                   std::int32_t folderKind, bool whole) {
    items_.SetFilter(CItemFilter::ForFolder(filter));
    mergedRowsWaitingSince_.reset();
    const auto count = static_cast<std::size_t>(items_.GetTotals().GetCount());
    const FolderLoadPlan plan = FolderLoadPlan::For(count, whole, folderKind);
    partial_ = plan.partial;
    loadedWhole_ = whole;
    sortField_ = plan.sortField;
    direction_ = plan.direction;
    sortedByUser_ = false;

    Items loaded;
    std::vector<ItemSortKey> keys;
    loaded.reserve(plan.rows);
    keys.reserve(plan.rows);
    for (bool more = items_.MoveFirst(); more && loaded.size() < plan.rows;
         more = items_.MoveNext()) {
        loaded.push_back(items_.GetItemAt());
        keys.push_back(ItemSortKey::Of(*loaded.back(), sortField_, fees_, &folders_));
    }
    Items ordered;
    ordered.reserve(loaded.size());
    for (const std::size_t row : LoadedRowOrder(keys, direction_)) {
        ordered.push_back(loaded[row]);
    }
    return ordered;
}

ItemListController::Items ItemListController::Reload(const CItemFilter* filter,
                                                     std::int32_t folderKind,
                                                     const Items& shownBefore) {
    const bool sorted = sortedByUser_;
    const int field = sortField_;
    const int direction = direction_;
    Items rows = Load(filter, folderKind, loadedWhole_);
    if (!sorted) {
        return rows;
    }
    // The rows shown before come first, in their order, the others after them
    // in load order: the stable sort below then keeps the order the user saw
    // among equal values.
    std::unordered_map<const CAucItem*, std::size_t> placeBefore;
    placeBefore.reserve(shownBefore.size());
    for (std::size_t place = 0; place < shownBefore.size(); ++place) {
        placeBefore.emplace(shownBefore[place], place);
    }
    const auto before = [&placeBefore](const CAucItem* item) {
        const auto found = placeBefore.find(item);
        return found == placeBefore.end() ? placeBefore.size() : found->second;
    };
    std::stable_sort(rows.begin(), rows.end(), [&before](const CAucItem* a, const CAucItem* b) {
        return before(a) < before(b);
    });
    Items reordered;
    reordered.reserve(rows.size());
    for (const std::size_t row : SortOrder(rows, field, direction)) {
        reordered.push_back(rows[row]);
    }
    return reordered;
}

std::vector<std::size_t> ItemListController::SortByColumn(std::span<const CAucItem* const> rows,
                                                          int sortField) {
    return SortOrder(rows, sortField, std::nullopt);
}

std::vector<std::size_t> ItemListController::SortOrder(std::span<const CAucItem* const> rows,
                                                       int sortField,
                                                       std::optional<int> direction) {
    std::vector<ItemSortKey> keys;
    keys.reserve(rows.size());
    for (const CAucItem* item : rows) {
        keys.push_back(ItemSortKey::Of(*item, sortField, fees_, &folders_));
    }
    sortField_ = sortField;
    direction_ = direction.value_or(keys.empty() ? 1 : ClickDirection(&keys.front(), &keys.back()));
    sortedByUser_ = true;
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    SortRows(order, keys, direction_);
    return order;
}

}  // namespace gb::app
