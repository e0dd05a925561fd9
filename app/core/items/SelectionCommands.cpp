#include "app/core/items/SelectionCommands.h"

#include "app/core/UiStrings.h"
#include "itemdb/FolderKind.h"

using gb::itemdb::CAucItem;
using gb::itemdb::CItemList;
namespace folder = gb::itemdb::folder;

namespace gb::app {

namespace {

// The text of a string ID with every "$COUNT$" replaced by the count.
std::string CountText(int stringId, std::size_t count) {
    constexpr std::string_view kToken = "$COUNT$";
    std::string text = UiText(stringId);
    const std::string number = std::to_string(count);
    for (std::size_t at = text.find(kToken); at != std::string::npos;
         at = text.find(kToken, at + number.size())) {
        text.replace(at, kToken.size(), number);
    }
    return text;
}

}  // namespace

std::int32_t TargetListOf(StateMove move) {
    return move == StateMove::Delete ? folder::DeletedItems : folder::Archive;
}

std::optional<std::string> StateMoveQuestion(StateMove move, std::size_t count) {
    const bool deleting = move == StateMove::Delete;
    if (count == 0) {
        return std::nullopt;
    }
    if (count == 1) {
        return deleting ? "Delete this item?" : "Archive this item?";
    }
    return CountText(deleting ? string_id::DeleteQuestion : string_id::ArchiveQuestion, count);
}

void MoveToList(CItemList& items, Selection selection, std::int32_t list) {
    for (const CItemList::ItemId& position : selection) {
        items.MoveItem(position, list);
    }
}

std::int32_t TargetListForFolder(std::int32_t folderId, const CAucItem& item) {
    if (folderId <= folder::FirstUserFolder) {
        return folderId;
    }
    return item.GetStatus() == folder::InProgress ? folder::InProgress : folder::AuctionEnded;
}

void MoveToFolder(CItemList& items, Selection selection, std::int32_t folderId) {
    for (const CItemList::ItemId& position : selection) {
        const CAucItem* stored = items.GetItemAt(position);
        if (stored == nullptr) {
            continue;
        }
        const std::int32_t target = TargetListForFolder(folderId, *stored);
        if (folderId > folder::FirstUserFolder) {
            CAucItem copy = *stored;
            copy.SetFolderId(folderId);
            // An item that left the folder on display with its new storage
            // folder is not moved further.
            if (!items.ReplaceItem(copy, position)) {
                continue;
            }
        }
        items.MoveItem(position, target);
    }
}

void ToggleStoreItems(CItemList& items, Selection selection) {
    for (const CItemList::ItemId& position : selection) {
        if (const CAucItem* stored = items.GetItemAt(position)) {
            CAucItem copy = *stored;
            copy.SetStoreItem(!copy.IsStoreItem());
            items.ReplaceItem(copy, position);
        }
    }
}

}  // namespace gb::app
