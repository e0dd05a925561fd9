#include "app/core/ItemMenuRules.h"

#include "app/core/CommandIds.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app {

ItemMenuState ItemMenuRules(std::size_t selectedRows, std::int32_t folderType,
                            std::int32_t folderKind) {
    ItemMenuState state;
    if (selectedRows > 1) {
        state.grayed.insert({cmd::EditItems, cmd::CreateDuplicate, cmd::ViewListing});
        state.defaultCommand = cmd::BulkUpdate;
    } else {
        state.grayed.insert(cmd::BulkUpdate);
        state.defaultCommand = cmd::EditItems;
    }
    if (selectedRows == 0 || folderType == 0) {
        state.grayed.insert({cmd::BulkUpdate, cmd::CreateDuplicate, cmd::MoveItems, cmd::EditItems,
                             cmd::DeleteItems, cmd::ArchiveItems, cmd::ViewListing, cmd::EditCopy});
    } else if (folderType == folder::InProgress) {
        state.grayed.insert({cmd::SetStatus, cmd::ArchiveItems});
    } else if (folderType == folder::Archive) {
        state.grayed.insert(cmd::ArchiveItems);
    } else if (folderType == folder::DeletedItems) {
        state.grayed.insert(cmd::DeleteItems);
    } else if (folderKind == folder::NoCategory) {
        state.grayed.insert({cmd::ArchiveItems, cmd::SetStatus});
    }
    return state;
}

}  // namespace gb::app
