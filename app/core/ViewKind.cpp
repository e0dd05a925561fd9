#include "app/core/ViewKind.h"

#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app {

ViewKind ViewKindForFolder(int folderKind) {
    switch (folderKind) {
        case folder::WebSites:
        case folder::UserGuide:
            return ViewKind::Web;
        case folder::UserProfile:
            return ViewKind::Profile;
        default:
            return ViewKind::Items;
    }
}

}  // namespace gb::app
