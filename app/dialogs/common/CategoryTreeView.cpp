#include "app/dialogs/common/CategoryTreeView.h"

#include <QtWidgets/QTreeWidget>

#include <vector>

#include "app/ui/ArtLibrary.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;   // the node's index in the category tree
constexpr int kImageRole = Qt::UserRole + 2;  // the folder image shown

void ShowImage(QTreeWidgetItem& row, int image) {
    row.setData(0, kImageRole, image);
    row.setIcon(0, ArtLibrary::FolderIcon(image));
}

void TurnImage(QTreeWidgetItem* row, bool expanded) {
    ShowImage(*row, CategoryTree::ImageAfterExpand(row->data(0, kImageRole).toInt(), expanded));
}

}  // namespace

void FillCategoryTree(QTreeWidget& view, const CategoryTree& tree) {
    std::vector<QTreeWidgetItem*> rows;
    for (std::size_t i = 0; i < tree.Nodes().size(); ++i) {
        const CategoryNode& node = tree.Nodes()[i];
        auto* row =
            node.parent ? new QTreeWidgetItem(rows[*node.parent]) : new QTreeWidgetItem(&view);
        row->setText(0, widgets::ToQt(node.name));
        row->setData(0, Qt::UserRole, node.folderId);
        row->setData(0, kNodeRole, static_cast<qulonglong>(i));
        ShowImage(*row, node.image);
        rows.push_back(row);
    }
    QObject::connect(&view, &QTreeWidget::itemExpanded, &view,
                     [](QTreeWidgetItem* row) { TurnImage(row, true); });
    QObject::connect(&view, &QTreeWidget::itemCollapsed, &view,
                     [](QTreeWidgetItem* row) { TurnImage(row, false); });
    if (!rows.empty()) {
        rows.front()->setExpanded(true);
    }
}

CategoryTree::Toggle ToggleCategoryRow(QTreeWidgetItem& row, CategoryTree& tree,
                                       itemdb::CAucItem& item) {
    const auto index = static_cast<std::size_t>(row.data(0, kNodeRole).toULongLong());
    const CategoryTree::Toggle toggle = tree.ToggleNode(index, item);
    if (toggle == CategoryTree::Toggle::Added || toggle == CategoryTree::Toggle::Removed) {
        ShowImage(row, tree.Nodes()[index].image);
    }
    return toggle;
}

}  // namespace gb::app::ui
