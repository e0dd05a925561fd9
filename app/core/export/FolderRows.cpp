#include "app/core/export/FolderRows.h"

#include "app/core/ItemListController.h"
#include "itemdb/FolderTree.h"

using namespace gb::itemdb;

namespace gb::app {

std::vector<const CAucItem*> FolderRowsInListOrder(CFolderTree& tree, CItemList& items,
                                                   CFeeSchedule& fees) {
    ItemListController list(items, fees, tree);
    return list.Load(tree.GetCurFilter(), tree.GetCurKind(), true);
}

}  // namespace gb::app
