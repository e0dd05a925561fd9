// Pictures of the template chooser and of each page of the report criteria
// sheet for the documentation: written only when GB_SCREENSHOT_DIR names a
// folder, e.g.
//   GB_SCREENSHOT_DIR=docs xvfb-run -a app_qt_tests --gtest_filter='ReportScreenshots.*'

#include <QtWidgets/QListWidget>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include <tuple>

#include "Screenshots.h"
#include "app/dialogs/report/CRptSheet.h"
#include "app/dialogs/report/CTemplateDlg.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/SellerList.h"
#include "itemdb/TemplateLibrary.h"
#include "tests/support/TempFolder.h"
#include "widgets/ScriptedModalRunner.h"

using namespace gb::itemdb;
using gb::test::SaveScreenshot;
using gb::test::ScreenshotFolder;
using gb::widgets::ScriptedModalRunner;

namespace {

TEST(ReportScreenshots, TemplateChooser) {
    if (ScreenshotFolder().isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR not set";
    }
    gb::test::TempFolder folder;
    CTemplateLibrary library;
    library.SetPath(folder / "VizEvav.cta");
    for (const auto& [name, description, kind] :
         {std::tuple{"Sales Report",
                     "One line per item with its buyer, winning bid, fees and invoice amount, "
                     "and totals",
                     CTDocText::Report},
          std::tuple{"Fee Report", "The fees the sites charged, item by item, with totals",
                     CTDocText::Report},
          std::tuple{"Buyer Invoice", "Invoice with the lot, the charges and the total",
                     CTDocText::Email},
          std::tuple{"Thank You", "Thanks the buyer after the sale", CTDocText::Email}}) {
        CTDocText text;
        text.SetName(name);
        text.SetDescription(description);
        text.SetKind(kind);
        library.AddTemplate(text);
    }
    ASSERT_TRUE(library.SaveFile());
    gb::app::ui::CTemplateDlg dialog(folder.Path(), "VizEvav.cta", 0,
                                     gb::app::ui::CTemplateDlg::ReportMode, {});
    SaveScreenshot(dialog, "template-dialog.png");
}

TEST(ReportScreenshots, ReportCriteriaSheet) {
    if (ScreenshotFolder().isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR not set";
    }
    CFolderTree folders;
    FolderBlueprint::AddDefaultFolders(folders);
    for (const char* name : {"Lamps", "Clocks and watches", "Toys"}) {
        const std::int32_t id =
            folders.AddNode(folder::ByCategory, folder::ByCategory, folder::ByCategory);
        folders.FindNode(id);
        folders.SetCurName(name);
    }
    CSellerList sellers;
    sellers.AddSeller("joe_seller", "eBay USA", "");
    sellers.AddSeller("ann_antiques", "eBay UK", "");
    CFeeSchedule fees;
    gb::app::ReportCriteria criteria;
    criteria.name = "March sales";
    criteria.title = "Items sold in March";
    criteria.columnSet = std::string({'!' + 4, '!' + 32, '!' + 33, '!' + 37, '!' + 38});
    criteria.filter.AddSeller("eBay UK", "ann_antiques");
    criteria.filter.SetDateRange(gb::DateTime::FromCivil(2024, 3, 1),
                                 gb::DateTime::FromCivil(2024, 4, 1));
    criteria.filter.SetDateSelector(CItemFilter::EndDate);
    criteria.filter.AddStatus(folder::NeedsAttention);
    criteria.filter.AddCategory(folders.FindFolder("Lamps", folder::ByCategory, 0, 0));
    criteria.filter.SetBids(folder::Bids);
    ScriptedModalRunner runner;
    gb::app::ui::CRptSheet sheet(runner, criteria,
                                 {fees, folders, sellers, gb::DateTime::FromCivil(2024, 3, 20)});
    sheet.show();
    const char* names[] = {"general", "site", "date", "status", "category", "display"};
    for (int page = 0; page < sheet.PageCount(); ++page) {
        ASSERT_TRUE(sheet.SetActivePage(page));
        SaveScreenshot(sheet, QStringLiteral("report-sheet-%1.png").arg(names[page]));
    }
}

}  // namespace
