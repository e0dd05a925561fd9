#pragma once
// The report criteria's "General" page: the report's name and title and
// whether it takes items with bids, without bids or regardless.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

namespace gb::app {
struct ReportCriteria;
}  // namespace gb::app

namespace gb::app::ui::Ui {
class CRptDescPage;
}  // namespace gb::app::ui::Ui

namespace gb::app::ui {

struct ReportSheetSources;

class CRptDescPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CRptDescPage(ReportCriteria& criteria, const ReportSheetSources& sources);
    ~CRptDescPage() override;

    Ui::CRptDescPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    std::unique_ptr<Ui::CRptDescPage> ui_;
    ReportCriteria& criteria_;
};

}  // namespace gb::app::ui
