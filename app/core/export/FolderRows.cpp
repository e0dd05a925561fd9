#include "app/core/export/FolderRows.h"

#include "app/core/FolderLoad.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemList.h"

using namespace gb::itemdb;

namespace gb::app {

std::vector<const CAucItem*> FolderRowsInListOrder(CFolderTree& tree, CItemList& items,
                                                   CFeeSchedule& fees) {
    items.SetFilter(CItemFilter::ForFolder(tree.GetCurFilter()));
    const auto count = static_cast<std::size_t>(items.GetTotals().GetCount());
    const gb::app::FolderLoadPlan plan =
        gb::app::FolderLoadPlan::For(count, true, tree.GetCurKind());

    std::vector<const CAucItem*> folderItems;
    std::vector<gb::app::ItemSortKey> keys;
    for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
        folderItems.push_back(items.GetItemAt());
        keys.push_back(gb::app::ItemSortKey::Of(*items.GetItemAt(), plan.sortField, fees, &tree));
    }
    std::vector<const CAucItem*> rows;
    rows.reserve(folderItems.size());
    for (const std::size_t row : gb::app::LoadedRowOrder(keys, plan.direction)) {
        rows.push_back(folderItems[row]);
    }
    return rows;
}

}  // namespace gb::app
