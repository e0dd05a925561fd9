#include "app/core/bulk/BulkUpdate.h"

#include "app/core/bulk/BulkTemplate.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"

namespace gb::app {

using gb::itemdb::CAucItem;
using gb::itemdb::CItemList;
namespace folder = gb::itemdb::folder;

std::vector<std::int32_t> CategoryFolders(gb::itemdb::CFolderTree& folders) {
    std::vector<std::int32_t> categories;
    if (!folders.FindNode(folder::ByCategory)) {
        return categories;
    }
    while (folders.GetCurType() == folder::ByCategory) {
        if (folders.IsCurHeading() == 0 && folders.GetCurId() != folder::NoCategory) {
            categories.push_back(folders.GetCurId());
        }
        if (!folders.MoveNext()) {
            break;
        }
    }
    return categories;
}

BulkUpdateResult ApplyBulkUpdate(CItemList& items, std::span<const CItemList::ItemId> selection,
                                 const BulkTemplate& bulk, const gb::itemdb::CFeeSchedule& fees,
                                 std::span<const std::int32_t> categoryFolders) {
    gb::itemdb::CFeeSchedule working = fees;
    const BulkContext context{working, categoryFolders};
    BulkUpdateResult result;
    for (const CItemList::ItemId& position : selection) {
        // A none position would name the list's cursor, not a selected row.
        const CAucItem* stored = position.IsNone() ? nullptr : items.GetItemAt(position);
        if (stored == nullptr) {
            continue;
        }
        const CAucItem original = *stored;
        CAucItem item = original;
        for (const int fieldId : BulkTemplate::ApplyOrder()) {
            if (!bulk.ApplyField(item, fieldId, context) && fieldId == gb::itemdb::field::Status) {
                result.statusRefused = true;
            }
        }
        if (!items.StoreEdit(original, item, position)) {
            result.dropped.push_back(position);
        }
    }
    return result;
}

}  // namespace gb::app
