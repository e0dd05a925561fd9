#pragma once
// The items of a folder in the order the item list first shows them, all of
// them: what an export of the whole folder writes when no window shows it.

#include <vector>

namespace gb::itemdb {
class CAucItem;
class CFeeSchedule;
class CFolderTree;
class CItemList;
}  // namespace gb::itemdb

namespace gb::app {

// Puts the folder under the tree's cursor on display in `items` (a folder
// without a filter shows nothing) and gives its items in list order.
std::vector<const gb::itemdb::CAucItem*> FolderRowsInListOrder(gb::itemdb::CFolderTree& tree,
                                                               gb::itemdb::CItemList& items,
                                                               gb::itemdb::CFeeSchedule& fees);

}  // namespace gb::app
