#pragma once
// The report criteria's "Date" page: no date test, or one of the item's
// dates within a range; a range that does not end after it starts is refused.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

namespace gb::app {
struct ReportCriteria;
}  // namespace gb::app

namespace gb::app::ui::Ui {
class CRptDatePage;
}  // namespace gb::app::ui::Ui

namespace gb::app::ui {

struct ReportSheetSources;

class CRptDatePage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CRptDatePage(ReportCriteria& criteria, const ReportSheetSources& sources);
    ~CRptDatePage() override;

    Ui::CRptDatePage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    void OnChoice();
    std::unique_ptr<Ui::CRptDatePage> ui_;
    ReportCriteria& criteria_;
};

}  // namespace gb::app::ui
