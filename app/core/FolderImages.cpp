#include "app/core/FolderImages.h"

#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app {

int FolderImage(int type, bool heading) {
    switch (type) {
        case folder::Root:
            return folder_image::Root;
        case folder::WebSites:
            return heading ? folder_image::Heading : folder_image::WebLink;
        case folder::DeletedItems:
            return heading ? folder_image::DeletedHeading : folder_image::Folder;
        case folder::SearchResults:
            return folder_image::SearchResults;
        case folder::UserGuide:
            return heading ? folder_image::Heading : folder_image::UserGuidePage;
        default:
            return heading ? folder_image::Heading : folder_image::Folder;
    }
}

}  // namespace gb::app
