#include "app/dialogs/bulk/CAutoCatPage.h"

#include <QtWidgets/QTreeWidget>

#include "app/core/UiStrings.h"
#include "app/core/bulk/BulkTemplate.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "app/dialogs/common/AppMessage.h"
#include "ui_CAutoCatPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CAutoCatPage::CAutoCatPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                           gb::widgets::ModalRunner& runner)
    : BulkPage(bulk, sources, runner) {
    for (const auto& [id, name] : sources_.categories) {
        auto* node = new QTreeWidgetItem(ui_->tree, {gb::widgets::ToQt(name)});
        node->setData(0, Qt::UserRole, id);
        node->setCheckState(0, bulk_.Item().HasCategory(id) ? Qt::Checked : Qt::Unchecked);
        // The check mark follows double clicks only.
        node->setFlags(node->flags() & ~Qt::ItemIsUserCheckable);
    }
    connect(ui_->updateCategories, &QCheckBox::toggled, this, &CAutoCatPage::OnUpdateToggled);
    connect(ui_->tree, &QTreeWidget::itemDoubleClicked, this, &CAutoCatPage::OnDoubleClicked);
    OnUpdateToggled();
}

CAutoCatPage::~CAutoCatPage() = default;

void CAutoCatPage::OnUpdateToggled() {
    const bool update = ui_->updateCategories->isChecked();
    ui_->tree->setEnabled(update);
    ui_->tree->setVisible(update);
    ui_->count->setText(update
                            ? tr("Categories selected: %1").arg(bulk_.Item().GetCategories().size())
                            : tr("Click the box to update item categories."));
}

void CAutoCatPage::OnDoubleClicked(QTreeWidgetItem* node) {
    const std::int32_t id = node->data(0, Qt::UserRole).toInt();
    if (bulk_.Item().HasCategory(id)) {
        bulk_.Item().RemoveCategory(id);
    } else if (!bulk_.Item().AddCategory(id)) {
        ShowAppMessage(runner_, this, string_id::NoMoreCategories);
    }
    node->setCheckState(0, bulk_.Item().HasCategory(id) ? Qt::Checked : Qt::Unchecked);
    OnUpdateToggled();
}

std::optional<std::string> CAutoCatPage::Store() {
    bulk_.Flags().updateCategories = ui_->updateCategories->isChecked();
    return std::nullopt;
}

}  // namespace gb::app::ui
