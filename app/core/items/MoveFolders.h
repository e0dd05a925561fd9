#pragma once
// The folders "Move To Folder" offers: under the root, the sellers' folders
// (the root's first children of type 101), then Deleted Items and Archive.

#include <cstdint>
#include <string>
#include <vector>

namespace gb::itemdb {
class CFolderTree;
}  // namespace gb::itemdb

namespace gb::app {

struct MoveFolderChoice {
    std::int32_t id = 0;
    std::string name;

    bool operator==(const MoveFolderChoice&) const = default;
};

struct MoveFolderChoices {
    MoveFolderChoice root;
    std::vector<MoveFolderChoice> folders;
};

// Leaves the tree's cursor where it was.
MoveFolderChoices MoveFolderChoicesOf(const gb::itemdb::CFolderTree& tree);

// Whether items can be moved to the folder: any offered folder but the root.
bool CanMoveTo(std::int32_t folderId);

}  // namespace gb::app
