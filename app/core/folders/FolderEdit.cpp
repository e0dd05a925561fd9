#include "app/core/folders/FolderEdit.h"

#include "app/core/FolderRules.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"

namespace folder = gb::itemdb::folder;

namespace gb::app {

FolderEditor EditorFor(std::int32_t id, std::int32_t type, bool heading) {
    if (heading) {
        return FolderEditor::Columns;
    }
    if (type == folder::Reports && id != folder::SearchResults) {
        return FolderEditor::ReportSheet;
    }
    if (type == folder::WebSites || type == folder::UserGuide) {
        return FolderEditor::WebLink;
    }
    return FolderEditor::Columns;
}

std::optional<FolderEditValues> ReadFolderEdit(gb::itemdb::CFolderTree& tree, std::int32_t id) {
    if (!tree.FindNode(id)) {
        return std::nullopt;
    }
    return FolderEditValues{tree.GetCurName(), tree.GetCurDescription(), tree.GetCurColumnsOrURL(),
                            tree.IsCurFixed() != 0};
}

bool StoreFolderEdit(gb::itemdb::CFolderTree& tree, std::int32_t id,
                     const FolderEditValues& values) {
    if (!tree.FindNode(id)) {
        return false;
    }
    if (tree.IsCurFixed() == 0) {
        if (const auto name = gb::app::AcceptedLabel(values.name)) {
            tree.SetCurName(*name);
        }
        tree.SetCurDescription(values.description);
    }
    tree.SetCurColumnsOrURL(values.columnSet);
    return true;
}

}  // namespace gb::app
