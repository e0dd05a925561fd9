#include "app/dialogs/report/CRptCategoryPage.h"

#include <QtWidgets/QTreeWidgetItemIterator>

#include <map>

#include "app/core/FolderImages.h"
#include "app/core/report/CriteriaLists.h"
#include "app/core/report/ReportCriteria.h"
#include "app/dialogs/report/ReportSheetSources.h"
#include "app/ui/ArtLibrary.h"
#include "ui_CRptCategoryPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;

void ShowImage(QTreeWidgetItem& item, int image) {
    item.setData(0, kImageRole, image);
    item.setIcon(0, ArtLibrary::FolderIcon(image));
}

}  // namespace

CRptCategoryPage::CRptCategoryPage(ReportCriteria& criteria, const ReportSheetSources& sources)
    : ui_(std::make_unique<Ui::CRptCategoryPage>()), criteria_(criteria) {
    ui_->setupUi(this);
    std::map<std::int32_t, QTreeWidgetItem*> items;
    for (const ReportCategoryNode& node : CategoryNodes(sources.folders)) {
        const auto parent = items.find(node.parentId);
        auto* item = parent != items.end() ? new QTreeWidgetItem(parent->second)
                                           : new QTreeWidgetItem(ui_->tree);
        item->setText(0, gb::widgets::ToQt(node.name));
        item->setData(0, kIdRole, node.id);
        if (node.heading) {
            ShowImage(*item, folder_image::Heading);
        }
        items.emplace(node.id, item);
    }
    if (ui_->tree->topLevelItemCount() > 0) {
        ui_->tree->topLevelItem(0)->setExpanded(true);
    }
    switch (CategoryChoiceOf(criteria_.filter)) {
        case CategoryChoice::Regardless:
            ui_->anyCategory->setChecked(true);
            break;
        case CategoryChoice::Any:
            ui_->anyOf->setChecked(true);
            break;
        case CategoryChoice::All:
            ui_->allOf->setChecked(true);
            break;
    }
    connect(ui_->tree, &QTreeWidget::itemClicked, this, &CRptCategoryPage::OnClicked);
    for (QRadioButton* choice : {ui_->anyCategory, ui_->anyOf, ui_->allOf}) {
        connect(choice, &QRadioButton::clicked, this, &CRptCategoryPage::OnChoice);
    }
    // The tree is out of use while "regardless" is shown, so that no click
    // adds a category the page does not show as chosen.
    OnChoice();
}

CRptCategoryPage::~CRptCategoryPage() = default;

void CRptCategoryPage::Load() {
    count_ = 0;
    for (QTreeWidgetItemIterator it(ui_->tree); *it != nullptr; ++it) {
        QTreeWidgetItem& item = **it;
        if (item.data(0, kImageRole).toInt() == folder_image::Heading) {
            continue;
        }
        const bool ticked = criteria_.filter.HasCategory(item.data(0, kIdRole).toInt());
        ShowImage(item, ticked ? folder_image::CategorySet : folder_image::CategoryNotSet);
        count_ += ticked ? 1 : 0;
    }
    ShowCount();
}

void CRptCategoryPage::OnChoice() {
    const bool regardless = ui_->anyCategory->isChecked();
    if (!regardless) {
        criteria_.filter.SetCategoryMode(ui_->allOf->isChecked() ? 1 : 0);
    }
    ui_->tree->setEnabled(!regardless);
    ui_->tree->setVisible(!regardless);
    ShowCount();
}

void CRptCategoryPage::OnClicked(QTreeWidgetItem* item) {
    if (item == nullptr || !ui_->tree->isEnabled()) {
        return;
    }
    const std::int32_t id = item->data(0, kIdRole).toInt();
    const int image = item->data(0, kImageRole).toInt();
    if (image == folder_image::CategoryNotSet && criteria_.filter.AddCategory(id)) {
        ShowImage(*item, folder_image::CategorySet);
        ++count_;
    } else if (image == folder_image::CategorySet && criteria_.filter.RemoveCategory(id)) {
        ShowImage(*item, folder_image::CategoryNotSet);
        --count_;
    }
    ShowCount();
}

void CRptCategoryPage::ShowCount() {
    ui_->count->setText(QString::number(ui_->tree->isEnabled() ? count_ : 0));
}

std::optional<std::string> CRptCategoryPage::Store() {
    if (!ui_->tree->isEnabled()) {
        criteria_.filter.AddCategory(0);
    }
    return std::nullopt;
}

}  // namespace gb::app::ui
