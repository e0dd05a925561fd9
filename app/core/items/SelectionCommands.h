#pragma once
// The item list's commands that change every selected item: moving to
// another state list (Delete, Archive), moving to a folder and flipping the
// store-item flag. Each works on the selection as it
// was when the command started, item by item in row order, on copies stored
// back through the item list; an item that leaves the folder on display
// leaves the display list, and the list view drops its row afterwards, so a
// dropped row can neither skip nor repeat another.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "itemdb/ItemList.h"

namespace gb::app {

using Selection = std::span<const gb::itemdb::CItemList::ItemId>;

// The two commands that move the selection to a state list.
enum class StateMove { Delete, Archive };

// The state list a state move files items in: 110 Deleted Items or 107 Archive.
std::int32_t TargetListOf(StateMove move);

// The question asked before a state move of `count` items: string 59429 or
// 59430 with the count for several, "Delete this item?" or "Archive this
// item?" for one; none when nothing is selected.
std::optional<std::string> StateMoveQuestion(StateMove move, std::size_t count);

// Moves every selected item to the state list.
void MoveToList(gb::itemdb::CItemList& items, Selection selection, std::int32_t list);

// The state list an item goes to when moved to folder `folderId`: a fixed
// folder (150 or less) is a state list of its own; in a folder the user made,
// items in progress stay in progress and every other item counts as ended.
std::int32_t TargetListForFolder(std::int32_t folderId, const gb::itemdb::CAucItem& item);

// Moves every selected item to a folder: a folder the user made becomes the
// item's storage folder, then the item goes to the folder's state list.
void MoveToFolder(gb::itemdb::CItemList& items, Selection selection, std::int32_t folderId);

// Flips the store-item flag of every selected item.
void ToggleStoreItems(gb::itemdb::CItemList& items, Selection selection);

}  // namespace gb::app
