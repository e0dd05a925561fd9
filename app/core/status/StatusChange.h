#pragma once
// Giving the selected items of the item list a new status: which status the
// Set Item Status dialog proposes, and setting the chosen one on every item.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/core/bulk/StatusChoice.h"
#include "itemdb/ItemList.h"

namespace gb::app {

// The dialog proposes the status after the current one: the index of the
// entry after the one holding `current`, the first entry when none holds it,
// and none when it is the last (the status then stays as it is).
std::optional<std::size_t> ProposedStatusIndex(const std::vector<StatusChoice>& choices,
                                               std::int32_t current);

// Whether Set Status is offered: some row is selected and the folder on
// display is not one of items in progress or without category.
bool CanSetStatus(std::size_t selectedRows, std::int32_t folderType, std::int32_t folderKind);

struct StatusChangeResult {
    // Some items kept their status because they are still in progress.
    bool refused = false;
    // Some items took the new status and were stored through the item list.
    bool changed = false;
};

// Sets the status on a copy of each selected item, as it is when the dialog
// closes, and stores the change through the item list (CItemList::StoreEdit),
// which tests the item against the folder on display again.
StatusChangeResult ChangeStatus(gb::itemdb::CItemList& items,
                                std::span<const gb::itemdb::CItemList::ItemId> selection,
                                std::int32_t status);

}  // namespace gb::app
