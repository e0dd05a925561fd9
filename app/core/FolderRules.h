#pragma once
// What the folder tree lets the user do with a folder: which commands of its
// context menu are available, and when a label may be edited.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace gb::app {

// A folder as the rules see it.
struct FolderTraits {
    std::int32_t id = 0;
    std::int32_t type = 0;
    bool heading = false;
    bool fixed = false;
};

// The folder commands (New, Add Folder, Edit, Delete, Rename) the context
// menu greys for this folder.
std::set<int> GrayedFolderCommands(const FolderTraits& folder);

// A label may be edited on a folder the profile has that is not fixed.
inline bool CanEditLabel(bool found, bool fixed) {
    return found && !fixed;
}

// The Rename command acts only on folders the user made.
bool CanRename(std::int32_t folderId);

// The name a finished label edit stores: nothing when the edit was cancelled
// or left the label empty, so the folder keeps its name; otherwise the text,
// cut to what a folder name holds.
std::optional<std::string> AcceptedLabel(std::optional<std::string_view> edited);

// The longest folder name.
inline constexpr std::size_t kMaxFolderName = 59;

}  // namespace gb::app
