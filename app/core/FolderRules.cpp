#include "app/core/FolderRules.h"

#include "app/core/CommandIds.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app {

std::set<int> GrayedFolderCommands(const FolderTraits& folder) {
    std::set<int> grayed;
    if (folder.fixed) {
        grayed.insert({cmd::FolderDelete, cmd::FolderRename});
    }
    if (folder.heading) {
        grayed.insert(cmd::FolderEdit);
    }
    switch (folder.type) {
        case folder::Root:
        case folder::Auctions:
        case folder::InProgress:
        case folder::AuctionEnded:
        case folder::Archive:
        case folder::DeletedItems:
            grayed.insert({cmd::FolderNew, cmd::FolderAdd});
            break;
        case folder::ByStatus:
            grayed.insert(cmd::FolderAdd);
            break;
        case folder::WebSites:
            if (folder.fixed) {
                grayed.insert(cmd::FolderEdit);
            }
            break;
        case folder::UserGuide:
            grayed.insert({cmd::FolderNew, cmd::FolderAdd, cmd::FolderEdit});
            break;
        default:
            break;
    }
    return grayed;
}

bool CanRename(std::int32_t folderId) {
    return folderId > folder::FirstUserFolder;
}

std::optional<std::string> AcceptedLabel(std::optional<std::string_view> edited) {
    if (!edited || edited->empty()) {
        return std::nullopt;
    }
    return std::string(edited->substr(0, kMaxFolderName));
}

}  // namespace gb::app
