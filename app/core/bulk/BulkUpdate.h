#pragma once
// Applies a bulk-update template to the selected items of the item list, as
// they are when the sheet closes: each item is copied, every field of the
// template applied to the copy in the template's order, and the fields that
// changed stored through the item list (CItemList::StoreEdit), which tests
// the item against the folder on display again.

#include <cstdint>
#include <span>
#include <vector>

#include "itemdb/ItemList.h"

namespace gb::itemdb {
class CFeeSchedule;
class CFolderTree;
}  // namespace gb::itemdb

namespace gb::app {

class BulkTemplate;

struct BulkUpdateResult {
    // Some items kept their status because they are still in progress.
    bool statusRefused = false;
    // The selected positions whose items left the folder on display.
    std::vector<gb::itemdb::CItemList::ItemId> dropped;
};

// The category folders of the tree, in tree order: the nodes from "By
// Category" on for as long as they are categories, without headings and
// without "No Category".
std::vector<std::int32_t> CategoryFolders(gb::itemdb::CFolderTree& folders);

BulkUpdateResult ApplyBulkUpdate(gb::itemdb::CItemList& items,
                                 std::span<const gb::itemdb::CItemList::ItemId> selection,
                                 const BulkTemplate& bulk, const gb::itemdb::CFeeSchedule& fees,
                                 std::span<const std::int32_t> categoryFolders);

}  // namespace gb::app
