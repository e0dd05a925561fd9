#include "app/core/FolderEditing.h"

#include "app/core/UiStrings.h"
#include "itemdb/AucDoc.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemFilter.h"
#include "platform/TextTokens.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::CFolderTree;
using gb::itemdb::CItemFilter;
using gb::itemdb::StandardColumnSet;
namespace folder = gb::itemdb::folder;

namespace gb::app {

namespace {

struct Placement {
    std::int32_t parentId;
    std::int32_t type;
    std::int32_t kind;
};

// Where a folder added at the current folder goes, and the current folder's
// group and kind.
std::optional<Placement> PlaceAt(CFolderTree& tree, std::int32_t currentId) {
    if (!tree.FindNode(currentId)) {
        return std::nullopt;
    }
    const bool heading = tree.IsCurHeading() != 0;
    return Placement{heading ? currentId : tree.GetCurParent(), tree.GetCurType(),
                     tree.GetCurKind()};
}

AddedFolder Describe(const CFolderTree& tree) {
    return {tree.GetCurId(), tree.GetCurParent(), tree.GetCurType(), tree.IsCurHeading() != 0,
            tree.GetCurName()};
}

}  // namespace

std::optional<AddedFolder> AddFolderBeside(CFolderTree& tree, std::int32_t currentId) {
    const auto place = PlaceAt(tree, currentId);
    if (!place) {
        return std::nullopt;
    }
    const std::int32_t id = tree.AddNode(folder::Sample, place->parentId, currentId);
    tree.SetCurType(place->type);
    tree.SetCurName(UiText(folder::Sample));
    tree.SetCurColumnsOrURL(place->type == folder::WebSites
                                ? UiText(string_id::ProductPage)
                                : UiText(static_cast<int>(StandardColumnSet::Default)));
    if (const CItemFilter* own = tree.GetCurFilter()) {
        CItemFilter filter = *own;
        if (place->type == folder::ByStatus) {
            filter.SetStateMask(CItemFilter::EndedBit);
            filter.AddStatus(id);
        } else if (place->type == folder::ByCategory) {
            filter.SetStateMask(CItemFilter::InProgressBit | CItemFilter::EndedBit |
                                CItemFilter::ArchiveBit);
            filter.AddCategory(id);
        }
        tree.SetCurFilter(filter);
    }
    return Describe(tree);
}

bool CanAddGroupFolder(std::int32_t type) {
    return type == folder::ByCategory || type == folder::Reports || type == folder::WebSites;
}

std::optional<AddedFolder> AddGroupFolder(CFolderTree& tree, std::int32_t currentId) {
    const auto place = PlaceAt(tree, currentId);
    if (!place || !CanAddGroupFolder(place->type)) {
        return std::nullopt;
    }
    tree.AddNode(place->kind, place->parentId, currentId);
    tree.SetCurType(place->type);
    tree.SetCurHeading(1);
    tree.SetCurName("New Folder");
    return Describe(tree);
}

std::optional<std::string> DeleteQuestion(std::int32_t type, bool heading, std::string_view name) {
    int question = 0;
    std::string_view token;
    switch (type) {
        case folder::Auctions:
            question = string_id::DeleteSellerFolder;
            token = "$DLFOLDER$";
            break;
        case folder::ByStatus:
            question = string_id::DeleteStatus;
            token = "$STATUS$";
            break;
        case folder::ByCategory:
            question = string_id::DeleteCategory;
            token = "$CATEGORY$";
            break;
        case folder::Reports:
            question = heading ? string_id::DeleteReportFolder : string_id::DeleteReport;
            token = "$REPORT$";
            break;
        default:
            return std::nullopt;
    }
    std::string text = UiText(question);
    gb::ReplaceToken(text, token, name);
    return text;
}

bool DeleteFolder(CAucDoc& document, std::int32_t id, std::int32_t type) {
    CFolderTree& tree = document.EditFolders();
    if (!tree.FindNode(id)) {
        return false;
    }
    const std::int32_t parentId = tree.GetCurParent();
    bool deleted = false;
    switch (type) {
        case folder::Auctions:
            deleted = document.DeleteSellerFolder(id);
            break;
        case folder::ByStatus:
            deleted = document.DeleteStatusFolder(id);
            break;
        case folder::ByCategory:
            deleted = document.DeleteCategoryFolder(id);
            break;
        default:
            deleted = tree.DeleteNode(id);
            break;
    }
    // The selection must not stay on a folder that is gone (the deleted one
    // or one inside it): the folder that held it takes its place.
    if (deleted && !tree.FolderName(document.GetSelectedFolderId())) {
        document.SelectFolder(parentId);
    }
    return deleted;
}

}  // namespace gb::app
