#include "app/dialogs/sheet/CInvCategoryPage.h"

#include <QtWidgets/QTreeWidget>

#include "app/core/UiStrings.h"
#include "app/dialogs/common/CategoryTreeView.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "ui_CInvCategoryPage.h"

namespace gb::app::ui {

CInvCategoryPage::CInvCategoryPage(CInvSheet& sheet)
    : sheet_(sheet), ui_(new Ui::CInvCategoryPage), tree_(sheet.Folders(), sheet.Item()) {
    ui_->setupUi(this);
    FillCategoryTree(*ui_->categories, tree_);
    connect(ui_->categories, &QTreeWidget::itemDoubleClicked, this,
            &CInvCategoryPage::NodeDoubleClicked);
    ShowCount();
}

CInvCategoryPage::~CInvCategoryPage() = default;

void CInvCategoryPage::NodeDoubleClicked(QTreeWidgetItem* item) {
    if (item == nullptr || item != ui_->categories->currentItem()) {
        return;
    }
    if (ToggleCategoryRow(*item, tree_, sheet_.Item()) == CategoryTree::Toggle::Refused) {
        sheet_.ShowMessage(gb::app::UiText(string_id::NoMoreCategories));
    }
    ShowCount();
}

void CInvCategoryPage::ShowCount() {
    ui_->selectedCount->setText(QString::number(tree_.SelectedCount()));
}

}  // namespace gb::app::ui
