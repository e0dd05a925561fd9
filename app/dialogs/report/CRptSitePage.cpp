#include "app/dialogs/report/CRptSitePage.h"

#include "app/core/report/ReportCriteria.h"
#include "app/dialogs/report/ReportSheetSources.h"
#include "ui_CRptSitePage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CRptSitePage::CRptSitePage(ReportCriteria& criteria, const ReportSheetSources& sources)
    : lines_(SellerLines(sources.sellers, criteria.filter)),
      ui_(std::make_unique<Ui::CRptSitePage>()),
      criteria_(criteria) {
    ui_->setupUi(this);
    for (const SellerLine& line : lines_) {
        auto* item = new QListWidgetItem(gb::widgets::ToQt(line.text), ui_->sellers);
        item->setSelected(line.selected);
    }
    const bool anySite = criteria_.filter.HasSeller(std::nullopt, {});
    (anySite ? ui_->anySite : ui_->selectedSites)->setChecked(true);
    connect(ui_->anySite, &QRadioButton::toggled, this, &CRptSitePage::OnChoice);
    OnChoice();
}

CRptSitePage::~CRptSitePage() = default;

void CRptSitePage::OnChoice() {
    ui_->sellers->setEnabled(ui_->selectedSites->isChecked());
}

std::optional<std::string> CRptSitePage::Store() {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].selected = ui_->sellers->item(static_cast<int>(i))->isSelected();
    }
    StoreSellers(criteria_.filter, lines_, ui_->sellers->isEnabled());
    return std::nullopt;
}

}  // namespace gb::app::ui
