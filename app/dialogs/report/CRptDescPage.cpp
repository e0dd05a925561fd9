#include "app/dialogs/report/CRptDescPage.h"

#include "app/core/report/ReportCriteria.h"
#include "ui_CRptDescPage.h"
#include "widgets/QtText.h"

using gb::widgets::FromQt;
using gb::widgets::ToQt;

namespace gb::app::ui {

CRptDescPage::CRptDescPage(ReportCriteria& criteria, const ReportSheetSources&)
    : ui_(std::make_unique<Ui::CRptDescPage>()), criteria_(criteria) {
    ui_->setupUi(this);
    ui_->name->setText(ToQt(criteria_.name));
    ui_->title->setText(ToQt(criteria_.title));
    switch (BidsChoiceOf(criteria_.filter)) {
        case BidsChoice::WithBids:
            ui_->withBids->setChecked(true);
            break;
        case BidsChoice::WithoutBids:
            ui_->withoutBids->setChecked(true);
            break;
        case BidsChoice::Regardless:
            ui_->anyBids->setChecked(true);
            break;
    }
}

CRptDescPage::~CRptDescPage() = default;

std::optional<std::string> CRptDescPage::Store() {
    criteria_.name = FromQt(ui_->name->text()).substr(0, ReportCriteria::kMaxNameLength);
    criteria_.title = FromQt(ui_->title->text()).substr(0, ReportCriteria::kMaxTitleLength);
    StoreBidsChoice(criteria_.filter, ui_->withBids->isChecked()      ? BidsChoice::WithBids
                                      : ui_->withoutBids->isChecked() ? BidsChoice::WithoutBids
                                                                      : BidsChoice::Regardless);
    return std::nullopt;
}

}  // namespace gb::app::ui
