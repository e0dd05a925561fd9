#pragma once
// Shows a category tree in a QTreeWidget: one row per node under its parent's
// row, each with its folder image; a heading shows its open image while
// expanded. Pages that pick categories (the item sheet's and the bulk-update
// sheet's) fill their tree and toggle its rows through these.

#include "app/core/sheet/CategoryTree.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace gb::app::ui {

// Fills the empty `view` with the nodes of `tree`, the first one expanded.
// A row's item data is its folder ID.
void FillCategoryTree(QTreeWidget& view, const CategoryTree& tree);

// Adds the category of `row` (a row filled above) to `item` or removes it,
// and shows the row's new image. Gives what happened; a refusal is for the
// caller to report.
CategoryTree::Toggle ToggleCategoryRow(QTreeWidgetItem& row, CategoryTree& tree,
                                       itemdb::CAucItem& item);

}  // namespace gb::app::ui
