#include "app/dialogs/report/CRptDisplayPage.h"

#include "app/core/report/ReportCriteria.h"
#include "app/dialogs/common/ColumnLists.h"
#include "app/dialogs/report/ReportSheetSources.h"
#include "ui_CRptDisplayPage.h"

namespace gb::app::ui {

CRptDisplayPage::CRptDisplayPage(ReportCriteria& criteria, const ReportSheetSources& sources)
    : ui_(std::make_unique<Ui::CRptDisplayPage>()), criteria_(criteria) {
    ui_->setupUi(this);
    columns_ = new ColumnLists(
        ColumnChoice(criteria_.columnSet, sources.fees),
        {ui_->available, ui_->shown, ui_->add, ui_->remove, ui_->up, ui_->down}, this);
}

CRptDisplayPage::~CRptDisplayPage() = default;

std::optional<std::string> CRptDisplayPage::Store() {
    criteria_.columnSet = columns_->Choice().ColumnSetText();
    return std::nullopt;
}

}  // namespace gb::app::ui
