#include "app/dialogs/report/CRptStatusPage.h"

#include "app/core/report/ReportCriteria.h"
#include "app/dialogs/report/ReportSheetSources.h"
#include "ui_CRptStatusPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CRptStatusPage::CRptStatusPage(ReportCriteria& criteria, const ReportSheetSources& sources)
    : lines_(StatusLines(sources.folders, criteria.filter)),
      ui_(std::make_unique<Ui::CRptStatusPage>()),
      criteria_(criteria) {
    ui_->setupUi(this);
    for (const StatusLine& line : lines_) {
        auto* item = new QListWidgetItem(gb::widgets::ToQt(line.text), ui_->statuses);
        item->setSelected(line.selected);
    }
    (criteria_.filter.HasStatus(0) ? ui_->anyStatus : ui_->selectedStatus)->setChecked(true);
    connect(ui_->selectedStatus, &QRadioButton::toggled, this, &CRptStatusPage::OnChoice);
    connect(ui_->statuses, &QListWidget::itemSelectionChanged, this, &CRptStatusPage::ShowCount);
    OnChoice();
}

CRptStatusPage::~CRptStatusPage() = default;

void CRptStatusPage::OnChoice() {
    ui_->statuses->setEnabled(ui_->selectedStatus->isChecked());
    ShowCount();
}

void CRptStatusPage::ShowCount() {
    const auto count = ui_->statuses->isEnabled() ? ui_->statuses->selectedItems().size() : 0;
    ui_->count->setText(QString::number(count));
}

std::optional<std::string> CRptStatusPage::Store() {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].selected = ui_->statuses->item(static_cast<int>(i))->isSelected();
    }
    StoreStatuses(criteria_.filter, lines_, ui_->statuses->isEnabled());
    return std::nullopt;
}

}  // namespace gb::app::ui
