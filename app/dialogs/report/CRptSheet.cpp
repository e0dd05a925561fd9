#include "app/dialogs/report/CRptSheet.h"

#include <memory>
#include <utility>

#include "app/core/report/ReportStrings.h"
#include "app/dialogs/report/CRptCategoryPage.h"
#include "app/dialogs/report/CRptDatePage.h"
#include "app/dialogs/report/CRptDescPage.h"
#include "app/dialogs/report/CRptDisplayPage.h"
#include "app/dialogs/report/CRptSitePage.h"
#include "app/dialogs/report/CRptStatusPage.h"
#include "itemdb/AucDoc.h"
#include "platform/Clock.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CRptSheet::CRptSheet(gb::widgets::ModalRunner& runner, ReportCriteria criteria,
                     ReportSheetSources sources, QWidget* parent)
    : PropertySheet(runner, parent), criteria_(std::move(criteria)), sources_(sources) {
    setObjectName(QStringLiteral("CRptSheet"));
    setWindowTitle(gb::widgets::ToQt(ReportText(report_string::CriteriaCaption)));
    Add<CRptDescPage>(tr("General"));
    Add<CRptSitePage>(tr("Site"));
    Add<CRptDatePage>(tr("Date"));
    Add<CRptStatusPage>(tr("Status"));
    Add<CRptCategoryPage>(tr("Category"));
    Add<CRptDisplayPage>(tr("Display"));
}

template <typename Page>
void CRptSheet::Add(const QString& title) {
    AddPage(title, [this] { return std::make_unique<Page>(criteria_, sources_); });
}

bool EditReportCriteria(gb::widgets::ModalRunner& runner, QWidget* parent,
                        gb::itemdb::CAucDoc& document, const gb::itemdb::CFeeSchedule& fees,
                        std::int32_t folderId) {
    gb::itemdb::CFolderTree& folders = document.EditFolders();
    std::optional<ReportCriteria> criteria = ReadReportCriteria(folders, folderId);
    if (!criteria) {
        return false;
    }
    CRptSheet sheet(runner, std::move(*criteria),
                    {fees, folders, document.GetSellerList(), gb::Clock::Now()}, parent);
    if (!sheet.Run()) {
        return false;
    }
    return StoreReportCriteria(folders, folderId, sheet.Criteria());
}

}  // namespace gb::app::ui
