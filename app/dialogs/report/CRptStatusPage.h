#pragma once
// The report criteria's "Status" page: all statuses, or the statuses
// selected in the list, with their count.

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
class CRptStatusPage;
}  // namespace gb::app::ui::Ui

namespace gb::app::ui {

struct ReportSheetSources;

class CRptStatusPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CRptStatusPage(ReportCriteria& criteria, const ReportSheetSources& sources);
    ~CRptStatusPage() override;

    Ui::CRptStatusPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    void OnChoice();
    void ShowCount();

    std::vector<StatusLine> lines_;
    std::unique_ptr<Ui::CRptStatusPage> ui_;
    ReportCriteria& criteria_;
};

}  // namespace gb::app::ui
