#pragma once
// The report criteria's "Category" page: all categories, or the items in
// ANY or in ALL of the categories ticked in the tree (a click ticks or
// unticks a category), with their count.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

class QTreeWidgetItem;

namespace gb::app {
struct ReportCriteria;
}  // namespace gb::app

namespace gb::app::ui::Ui {
class CRptCategoryPage;
}  // namespace gb::app::ui::Ui

namespace gb::app::ui {

struct ReportSheetSources;

class CRptCategoryPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CRptCategoryPage(ReportCriteria& criteria, const ReportSheetSources& sources);
    ~CRptCategoryPage() override;

    Ui::CRptCategoryPage& Form() { return *ui_; }
    // Ticks exactly the categories the criteria hold: leaving the page on
    // "regardless" emptied them.
    void Load() override;
    std::optional<std::string> Store() override;

private:
    void OnChoice();
    void OnClicked(QTreeWidgetItem* item);
    void ShowCount();

    int count_ = 0;
    std::unique_ptr<Ui::CRptCategoryPage> ui_;
    ReportCriteria& criteria_;
};

}  // namespace gb::app::ui
