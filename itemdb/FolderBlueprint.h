#pragma once
// The folders a profile starts with, and the folders made for each seller ID,
// as tables applied to a folder tree.

#include <cstdint>
#include <string_view>

namespace gb::itemdb {

class CFolderTree;

class FolderBlueprint {
public:
    // The fixed groups with their standard and sample folders, added below the
    // root of a tree that holds only the root. Gives the id of the last folder
    // added (121, Version Updates).
    static std::int32_t AddDefaultFolders(CFolderTree& tree);

    // A seller's folder with its ten sub-folders, directly after the root.
    // Every folder gets a new id; the item folders show only items stored in
    // the seller's folder. Gives the seller folder's id.
    static std::int32_t AddSellerFolder(CFolderTree& tree, std::string_view displayName);
};

}  // namespace gb::itemdb
