#include "app/core/sheet/CategoryTree.h"

#include "app/core/FolderImages.h"

namespace gb::app {

using itemdb::CAucItem;
using itemdb::CFolderTree;
namespace folder = itemdb::folder;

CategoryTree::CategoryTree(CFolderTree& folders, const CAucItem& item) {
    if (!folders.FindNode(folder::ByCategory)) {
        return;
    }
    Add(folders, std::nullopt, item);
    std::optional<std::size_t> previousParent;
    while (folders.MoveNext() && folders.GetCurType() == folder::ByCategory) {
        if (folders.GetCurKind() == folder::NoCategory) {
            continue;
        }
        if (const std::optional<std::size_t> parent = NodeOf(folders.GetCurParent())) {
            previousParent = parent;
        }
        Add(folders, previousParent.value_or(0), item);
    }
}

void CategoryTree::Add(const CFolderTree& folders, std::optional<std::size_t> parent,
                       const CAucItem& item) {
    CategoryNode node{folders.GetCurId(), parent, folders.GetCurName(), folders.IsCurHeading() != 0,
                      folder_image::Heading};
    if (!node.heading) {
        const bool set = item.HasCategory(node.folderId);
        node.image = set ? folder_image::CategorySet : folder_image::CategoryNotSet;
        selectedCount_ += set ? 1 : 0;
    }
    nodeOfFolder_.emplace(node.folderId, nodes_.size());
    nodes_.push_back(std::move(node));
}

std::optional<std::size_t> CategoryTree::NodeOf(std::int32_t folderId) const {
    const auto found = nodeOfFolder_.find(folderId);
    return found == nodeOfFolder_.end() ? std::nullopt : std::optional(found->second);
}

CategoryTree::Toggle CategoryTree::ToggleNode(std::size_t index, CAucItem& item) {
    CategoryNode& node = nodes_.at(index);
    if (node.image == folder_image::CategoryNotSet) {
        if (!item.AddCategory(node.folderId)) {
            return Toggle::Refused;
        }
        node.image = folder_image::CategorySet;
        ++selectedCount_;
        return Toggle::Added;
    }
    if (node.image == folder_image::CategorySet && item.RemoveCategory(node.folderId)) {
        node.image = folder_image::CategoryNotSet;
        --selectedCount_;
        return Toggle::Removed;
    }
    return Toggle::None;
}

int CategoryTree::ImageAfterExpand(int image, bool expanded) {
    // Only headings have an open form; a category keeps showing whether it is set.
    if (expanded && image == folder_image::Heading) {
        return image + 1;
    }
    if (!expanded && image == folder_image::Heading + 1) {
        return image - 1;
    }
    return image;
}

}  // namespace gb::app
