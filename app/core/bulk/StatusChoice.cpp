#include "app/core/bulk/StatusChoice.h"

#include <algorithm>

#include "app/core/UiStrings.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"

namespace gb::app {

namespace folder = gb::itemdb::folder;

std::vector<StatusChoice> StatusChoices(const gb::itemdb::CFolderTree& folders) {
    std::vector<StatusChoice> choices{
        {folder::NeedsAttention, gb::app::UiText(folder::NeedsAttention)}};
    const std::vector<const gb::itemdb::CFolderNode*> chain = folders.GetChain();
    auto node = std::find_if(chain.begin(), chain.end(), [](const gb::itemdb::CFolderNode* at) {
        return at->id == folder::ByStatus;
    });
    if (node != chain.end()) {
        for (++node; node != chain.end() && (*node)->type == folder::ByStatus; ++node) {
            choices.push_back({(*node)->id, (*node)->name.Get()});
        }
    }
    return choices;
}

int SuggestedStatusIndex(const std::vector<StatusChoice>& choices, std::int32_t current) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].id == current) {
            return static_cast<int>(std::min(i + 1, choices.size() - 1));
        }
    }
    return 0;
}

}  // namespace gb::app
