#include "app/dialogs/report/CRptDatePage.h"

#include "app/core/report/ReportCriteria.h"
#include "app/core/report/ReportDateRange.h"
#include "app/dialogs/report/ReportSheetSources.h"
#include "app/dialogs/common/UserDateFormats.h"
#include "ui_CRptDatePage.h"

namespace gb::app::ui {

namespace {

QDate ToQDate(const gb::DateTime& date) {
    const auto civil = date.ToCivil();
    return civil ? QDate(civil->year, civil->month, civil->day) : QDate::currentDate();
}

gb::DateTime FromQDate(const QDate& date) {
    return gb::DateTime::FromCivil(date.year(), date.month(), date.day());
}

}  // namespace

CRptDatePage::CRptDatePage(ReportCriteria& criteria, const ReportSheetSources& sources)
    : ui_(std::make_unique<Ui::CRptDatePage>()), criteria_(criteria) {
    ui_->setupUi(this);
    UseUserDateFormats(*this);
    const gb::itemdb::CItemFilter& filter = criteria_.filter;
    const bool between = filter.GetDateFrom().IsValid();
    const DateRange range = ShownRange(filter, sources.now);
    ui_->from->setDate(ToQDate(range.from));
    ui_->to->setDate(ToQDate(range.to));
    ui_->selector->setCurrentIndex(between ? filter.GetDateSelector() : 0);
    (between ? ui_->betweenDates : ui_->anyDate)->setChecked(true);
    connect(ui_->betweenDates, &QRadioButton::toggled, this, &CRptDatePage::OnChoice);
    OnChoice();
}

CRptDatePage::~CRptDatePage() = default;

void CRptDatePage::OnChoice() {
    const bool between = ui_->betweenDates->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(ui_->selector), static_cast<QWidget*>(ui_->from),
                             static_cast<QWidget*>(ui_->to)}) {
        control->setEnabled(between);
    }
}

std::optional<std::string> CRptDatePage::Store() {
    return StoreDateRange(criteria_.filter, ui_->betweenDates->isChecked(),
                          ui_->selector->currentIndex(),
                          {FromQDate(ui_->from->date()), FromQDate(ui_->to->date())});
}

}  // namespace gb::app::ui
