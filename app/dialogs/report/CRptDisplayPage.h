#pragma once
// The report criteria's "Display" page: the report's columns, chosen and
// ordered as a folder's are.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

namespace gb::app {
struct ReportCriteria;
}  // namespace gb::app

namespace gb::app::ui::Ui {
class CRptDisplayPage;
}  // namespace gb::app::ui::Ui

namespace gb::app::ui {

class ColumnLists;
struct ReportSheetSources;

class CRptDisplayPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CRptDisplayPage(ReportCriteria& criteria, const ReportSheetSources& sources);
    ~CRptDisplayPage() override;

    Ui::CRptDisplayPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    ColumnLists* columns_ = nullptr;
    std::unique_ptr<Ui::CRptDisplayPage> ui_;
    ReportCriteria& criteria_;
};

}  // namespace gb::app::ui
