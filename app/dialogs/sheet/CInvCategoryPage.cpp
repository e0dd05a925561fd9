#include "app/dialogs/sheet/CInvCategoryPage.h"

#include <QtWidgets/QTreeWidget>

#include <vector>

#include "app/core/UiStrings.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "app/ui/ArtLibrary.h"
#include "ui_CInvCategoryPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;   // the node's index in the category tree
constexpr int kImageRole = Qt::UserRole + 2;  // the folder image shown

void ShowImage(QTreeWidgetItem& item, int image) {
    item.setData(0, kImageRole, image);
    item.setIcon(0, ArtLibrary::FolderIcon(image));
}

void TurnImage(QTreeWidgetItem* item, bool expanded) {
    ShowImage(*item, CategoryTree::ImageAfterExpand(item->data(0, kImageRole).toInt(), expanded));
}

}  // namespace

CInvCategoryPage::CInvCategoryPage(CInvSheet& sheet)
    : sheet_(sheet), ui_(new Ui::CInvCategoryPage), tree_(sheet.Folders(), sheet.Item()) {
    ui_->setupUi(this);
    std::vector<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < tree_.Nodes().size(); ++i) {
        const CategoryNode& node = tree_.Nodes()[i];
        auto* item = node.parent ? new QTreeWidgetItem(items[*node.parent])
                                 : new QTreeWidgetItem(ui_->categories);
        item->setText(0, widgets::ToQt(node.name));
        item->setData(0, Qt::UserRole, node.folderId);
        item->setData(0, kNodeRole, static_cast<qulonglong>(i));
        ShowImage(*item, node.image);
        items.push_back(item);
    }
    connect(ui_->categories, &QTreeWidget::itemExpanded, this,
            [](QTreeWidgetItem* item) { TurnImage(item, true); });
    connect(ui_->categories, &QTreeWidget::itemCollapsed, this,
            [](QTreeWidgetItem* item) { TurnImage(item, false); });
    connect(ui_->categories, &QTreeWidget::itemDoubleClicked, this,
            &CInvCategoryPage::NodeDoubleClicked);
    if (!items.empty()) {
        items.front()->setExpanded(true);
    }
    ShowCount();
}

CInvCategoryPage::~CInvCategoryPage() = default;

void CInvCategoryPage::NodeDoubleClicked(QTreeWidgetItem* item) {
    if (item == nullptr || item != ui_->categories->currentItem()) {
        return;
    }
    const auto index = static_cast<std::size_t>(item->data(0, kNodeRole).toULongLong());
    switch (tree_.ToggleNode(index, sheet_.Item())) {
        case CategoryTree::Toggle::Added:
        case CategoryTree::Toggle::Removed:
            ShowImage(*item, tree_.Nodes()[index].image);
            break;
        case CategoryTree::Toggle::Refused:
            sheet_.ShowMessage(gb::app::UiText(string_id::NoMoreCategories));
            break;
        case CategoryTree::Toggle::None:
            break;
    }
    ShowCount();
}

void CInvCategoryPage::ShowCount() {
    ui_->selectedCount->setText(QString::number(tree_.SelectedCount()));
}

}  // namespace gb::app::ui
