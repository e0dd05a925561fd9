#include "app/core/items/MoveFolders.h"

#include "app/core/UiStrings.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"

namespace folder = gb::itemdb::folder;

namespace gb::app {

MoveFolderChoices MoveFolderChoicesOf(gb::itemdb::CFolderTree& tree) {
    const std::int32_t current = tree.GetCurId();
    MoveFolderChoices choices;
    tree.FindNode(folder::Root);
    choices.root = {folder::Root, tree.GetCurName()};
    while (tree.MoveNext()) {
        if (tree.GetCurParent() != folder::Root) {
            continue;
        }
        if (tree.GetCurType() != folder::Auctions) {
            break;
        }
        choices.folders.push_back({tree.GetCurId(), tree.GetCurName()});
    }
    for (const std::int32_t fixed : {folder::DeletedItems, folder::Archive}) {
        choices.folders.push_back({fixed, tree.FolderName(fixed).value_or(UiText(fixed))});
    }
    tree.FindNode(current);
    return choices;
}

bool CanMoveTo(std::int32_t folderId) {
    return folderId != 0 && folderId != folder::Root;
}

}  // namespace gb::app
