#include "app/dialogs/bulk/CAutoCatPage.h"

#include <QtWidgets/QTreeWidget>

#include "app/core/UiStrings.h"
#include "app/core/bulk/BulkTemplate.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/common/CategoryTreeView.h"
#include "ui_CAutoCatPage.h"

namespace gb::app::ui {

CAutoCatPage::CAutoCatPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                           gb::widgets::ModalRunner& runner)
    : BulkPage(bulk, sources, runner), tree_(sources.categories) {
    FillCategoryTree(*ui_->tree, tree_);
    // Eight rows show at once.
    ui_->tree->setMinimumHeight(8 * ui_->tree->sizeHintForRow(0) + 2 * ui_->tree->frameWidth());
    connect(ui_->updateCategories, &QCheckBox::toggled, this, &CAutoCatPage::OnUpdateToggled);
    connect(ui_->tree, &QTreeWidget::itemDoubleClicked, this, &CAutoCatPage::OnDoubleClicked);
    OnUpdateToggled();
}

CAutoCatPage::~CAutoCatPage() = default;

void CAutoCatPage::OnUpdateToggled() {
    const bool update = ui_->updateCategories->isChecked();
    ui_->tree->setEnabled(update);
    ui_->tree->setVisible(update);
    ui_->count->setText(update ? tr("Categories selected: %1").arg(tree_.SelectedCount())
                               : tr("Click the box to update item categories."));
}

void CAutoCatPage::OnDoubleClicked(QTreeWidgetItem* row) {
    if (ToggleCategoryRow(*row, tree_, bulk_.Item()) == CategoryTree::Toggle::Refused) {
        ShowAppMessage(runner_, this, string_id::NoMoreCategories);
    }
    OnUpdateToggled();
}

std::optional<std::string> CAutoCatPage::Store() {
    bulk_.Flags().updateCategories = ui_->updateCategories->isChecked();
    return std::nullopt;
}

}  // namespace gb::app::ui
