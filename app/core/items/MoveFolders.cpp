#include "app/core/items/MoveFolders.h"

#include "app/core/UiStrings.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"

namespace folder = gb::itemdb::folder;

namespace gb::app {

MoveFolderChoices MoveFolderChoicesOf(const gb::itemdb::CFolderTree& tree) {
    MoveFolderChoices choices;
    const std::vector<const gb::itemdb::CFolderNode*> chain = tree.GetChain();
    choices.root = {folder::Root, chain.front()->name.Get()};
    for (auto node = chain.begin() + 1; node != chain.end(); ++node) {
        if ((*node)->parentId != folder::Root) {
            continue;
        }
        if ((*node)->type != folder::Auctions) {
            break;
        }
        choices.folders.push_back({(*node)->id, (*node)->name.Get()});
    }
    for (const std::int32_t fixed : {folder::DeletedItems, folder::Archive}) {
        choices.folders.push_back({fixed, tree.FolderName(fixed).value_or(UiText(fixed))});
    }
    return choices;
}

bool CanMoveTo(std::int32_t folderId) {
    return folderId != 0 && folderId != folder::Root;
}

}  // namespace gb::app
