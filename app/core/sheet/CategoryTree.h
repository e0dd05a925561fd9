#pragma once
// The category tree of the item sheet: the profile's "By Category" folder and
// the category folders below it, each category showing whether the item
// belongs to it. Double-clicking a category adds it to or removes it from the
// item at once. A folder's node is found through a map from folder ID, so
// categories nest to any depth.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/FolderTree.h"

namespace gb::app {

struct CategoryNode {
    std::int32_t folderId = 0;
    std::optional<std::size_t> parent;  // the index of the parent node; none for the root
    std::string name;
    bool heading = false;
    int image = 0;  // a folder image: heading closed, category set or not set
};

class CategoryTree {
public:
    enum class Toggle { None, Added, Removed, Refused };

    // The "By Category" node and every node after it in folder order while
    // they are category folders, "No Category" left out. A node goes under
    // its parent folder's node, or under the previous node's parent when its
    // parent has none here.
    CategoryTree(itemdb::CFolderTree& folders, const itemdb::CAucItem& item);

    // In insertion order; each parent before its children.
    const std::vector<CategoryNode>& Nodes() const { return nodes_; }
    std::optional<std::size_t> NodeOf(std::int32_t folderId) const;
    // Categories of the item shown set.
    int SelectedCount() const { return selectedCount_; }

    // A double-click on node `index`: a category not set is added to the item
    // (refused at the item's limit), a set one removed; headings do nothing.
    Toggle ToggleNode(std::size_t index, itemdb::CAucItem& item);

    // The image a node shows after it was expanded or collapsed: a heading
    // shows its open form while expanded; categories keep theirs.
    static int ImageAfterExpand(int image, bool expanded);

private:
    void Add(const itemdb::CFolderTree& folders, std::optional<std::size_t> parent,
             const itemdb::CAucItem& item);

    std::vector<CategoryNode> nodes_;
    std::unordered_map<std::int32_t, std::size_t> nodeOfFolder_;
    int selectedCount_ = 0;
};

}  // namespace gb::app
