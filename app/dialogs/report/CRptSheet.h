#pragma once
// "Edit Report Criteria": the name, title, filter and columns of one report
// folder on six pages. The sheet edits a copy; the caller stores it back only
// after OK.

#include <cstdint>

#include "app/core/report/ReportCriteria.h"
#include "app/dialogs/report/ReportSheetSources.h"
#include "widgets/PropertySheet.h"

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

namespace gb::app::ui {

class CRptSheet final : public gb::widgets::PropertySheet {
    Q_OBJECT

public:
    CRptSheet(gb::widgets::ModalRunner& runner, ReportCriteria criteria, ReportSheetSources sources,
              QWidget* parent = nullptr);

    const ReportCriteria& Criteria() const { return criteria_; }

private:
    template <typename Page>
    void Add(const QString& title);

    ReportCriteria criteria_;
    ReportSheetSources sources_;
};

// Edit on a report folder: the sheet on the folder's criteria, stored into
// the folder after OK. True when they were stored.
bool EditReportCriteria(gb::widgets::ModalRunner& runner, QWidget* parent,
                        gb::itemdb::CAucDoc& document, const gb::itemdb::CFeeSchedule& fees,
                        std::int32_t folderId);

}  // namespace gb::app::ui
