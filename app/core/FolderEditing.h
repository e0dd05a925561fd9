#pragma once
// The folder tree's commands on the profile: a new folder beside the current
// one, a new grouping folder, and deleting a folder with the question asked
// first and the consequences for its items.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gb::itemdb {
class CAucDoc;
class CFolderTree;
}  // namespace gb::itemdb

namespace gb::app {

struct AddedFolder {
    std::int32_t id = 0;
    std::int32_t parentId = 0;
    std::int32_t type = 0;
    bool heading = false;
    std::string name;
};

// A folder of the current folder's group: inside the current folder when it
// is a heading, else beside it, right after it. Statuses list the ended items
// with the new status, categories the items of every state but the deleted
// with the new category; web sites get the maker's page as their address.
// Nothing when no folder has `currentId`.
std::optional<AddedFolder> AddFolderBeside(gb::itemdb::CFolderTree& tree, std::int32_t currentId);

// Grouping folders can be made among categories, reports and web sites.
bool CanAddGroupFolder(std::int32_t type);
// A grouping folder "New Folder" placed as AddFolderBeside places its folder.
std::optional<AddedFolder> AddGroupFolder(gb::itemdb::CFolderTree& tree, std::int32_t currentId);

// The question asked before a folder of `type` is deleted; nothing for the
// folders deleted without asking.
std::optional<std::string> DeleteQuestion(std::int32_t type, bool heading, std::string_view name);

// Deletes the folder and its sub-folders as its group requires: a seller's
// items go to Deleted Items, a status's items to Needs Attention, a category
// leaves its items. When the selected folder went with it, the deleted
// folder's parent is selected. False when no folder has the id.
bool DeleteFolder(gb::itemdb::CAucDoc& document, std::int32_t id, std::int32_t type);

}  // namespace gb::app
