#include "app/core/bulk/StatusChoice.h"

#include <algorithm>

#include "app/core/UiStrings.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"

namespace gb::app {

namespace folder = gb::itemdb::folder;

std::vector<StatusChoice> StatusChoices(gb::itemdb::CFolderTree& folders) {
    std::vector<StatusChoice> choices{
        {folder::NeedsAttention, gb::app::UiText(folder::NeedsAttention)}};
    if (folders.FindNode(folder::ByStatus)) {
        while (folders.MoveNext() && folders.GetCurType() == folder::ByStatus) {
            choices.push_back({folders.GetCurId(), folders.GetCurName()});
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
