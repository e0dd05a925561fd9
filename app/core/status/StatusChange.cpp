#include "app/core/status/StatusChange.h"

#include "app/core/CommandIds.h"
#include "app/core/ItemMenuRules.h"

namespace gb::app {

using gb::itemdb::CAucItem;
using gb::itemdb::CItemList;

std::optional<std::size_t> ProposedStatusIndex(const std::vector<StatusChoice>& choices,
                                               std::int32_t current) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].id == current) {
            if (i + 1 == choices.size()) {
                return std::nullopt;
            }
            return i + 1;
        }
    }
    return 0;
}

bool CanSetStatus(std::size_t selectedRows, std::int32_t folderType, std::int32_t folderKind) {
    return selectedRows > 0 &&
           !ItemMenuRules(selectedRows, folderType, folderKind).grayed.contains(cmd::SetStatus);
}

StatusChangeResult ChangeStatus(CItemList& items, std::span<const CItemList::ItemId> selection,
                                std::int32_t status) {
    StatusChangeResult result;
    for (const CItemList::ItemId& position : selection) {
        // A none position would name the list's cursor, not a selected row.
        const CAucItem* stored = position.IsNone() ? nullptr : items.GetItemAt(position);
        if (stored == nullptr) {
            continue;
        }
        const CAucItem original = *stored;
        CAucItem item = original;
        if (!item.SetStatus(status, false)) {
            result.refused = true;
            continue;
        }
        items.StoreEdit(original, item, position);
        result.changed = true;
    }
    return result;
}

}  // namespace gb::app
