#pragma once
// The report criteria's "Site" page: all sites, or the items of the
// sellers selected in the list.

#include <memory>
#include <optional>
#include <string>

#include <vector>

#include "app/core/report/CriteriaLists.h"
#include "widgets/PropertyPage.h"

namespace gb::app {
struct ReportCriteria;
}  // namespace gb::app

namespace gb::app::ui::Ui {
class CRptSitePage;
}  // namespace gb::app::ui::Ui

namespace gb::app::ui {

struct ReportSheetSources;

class CRptSitePage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CRptSitePage(ReportCriteria& criteria, const ReportSheetSources& sources);
    ~CRptSitePage() override;

    Ui::CRptSitePage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    void OnChoice();

    std::vector<SellerLine> lines_;
    std::unique_ptr<Ui::CRptSitePage> ui_;
    ReportCriteria& criteria_;
};

}  // namespace gb::app::ui
