// Pictures of the bulk-update sheet, the fee-schedule dialog and the fee
// editor for the documentation: written only when GB_SCREENSHOT_DIR names a folder, e.g.
//   GB_SCREENSHOT_DIR=docs xvfb-run -a app_qt_tests --gtest_filter='Screenshots.*'

#include <QtWidgets/QCheckBox>

#include <gtest/gtest.h>

#include "Screenshots.h"
#include "app/dialogs/bulk/CAutoSheet.h"
#include "app/dialogs/fees/CCalcEditDlg.h"
#include "app/dialogs/fees/CFeeSchdDlg.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderTree.h"
#include "widgets/PropertyPage.h"
#include "widgets/ScriptedModalRunner.h"

using namespace gb::itemdb;
using gb::test::SaveScreenshot;
using gb::test::ScreenshotFolder;
using gb::widgets::ScriptedModalRunner;

namespace {

CFeeSchedule SampleSchedule() {
    CFeeSchedule fees;
    const struct {
        int entry;
        std::int32_t type;
        const char* name;
        const char* description;
        const char* base;
    } entries[] = {
        {0, fee_type::Charge, "Handling", "Packing and handling, added to the buyer's invoice",
         "1.00"},
        {1, fee_type::SellerFee, "Gallery", "Gallery picture on the listing", "0.35"},
        {2, fee_type::TransactionFee, "PayPal",
         "Payment service: 30 cents plus 2.9% of the invoice", "0.30"},
        {3, fee_type::DisplayOnly, "Euro Price",
         "A price in euros: the winning bid, for buyers abroad", "0"},
    };
    for (const auto& e : entries) {
        fees.SetCurrent(e.entry);
        fees.SetType(e.type);
        fees.SetName(e.name);
        fees.SetDescription(e.description);
        fees.SetBaseText(e.base);
        fees.SetActive(true);
    }
    fees.SetCurrent(2);
    fees.SetFactor(0.029f);
    fees.AddField(36);
    return fees;
}

TEST(Screenshots, BulkSheetFeeScheduleAndFeeEditor) {
    if (ScreenshotFolder().isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR is not set";
    }
    ScriptedModalRunner runner;
    CFolderTree folders;
    FolderBlueprint::AddDefaultFolders(folders);
    CFeeSchedule fees = SampleSchedule();

    gb::app::ui::BulkSheetSources sources{
        gb::app::StatusChoices(folders), gb::app::CategoryTree(folders, {}), fees, {}, {}};
    gb::app::ui::CAutoSheet sheet(runner, sources, 12, folder::NeedsAttention);
    SaveScreenshot(sheet, "bulk-update-sheet.png");

    gb::app::ui::CFeeSchdDlg dialog(runner, fees, {});
    SaveScreenshot(dialog, "fee-schedule-dialog.png");

    // The first page is the sheet's picture above.
    const char* pages[] = {"item", "categories", "cost", "misc-fees", "shipping", "notes"};
    for (int page = 1; page < sheet.PageCount(); ++page) {
        ASSERT_TRUE(sheet.SetActivePage(page));
        // The boxes that show the category tree and the fee lists.
        for (const char* box : {"updateCategories", "chargesItemize", "feesItemize"}) {
            if (auto* check = sheet.Page(page)->findChild<QCheckBox*>(box)) {
                check->setChecked(true);
            }
        }
        SaveScreenshot(sheet, QString("bulk-update-%1.png").arg(pages[page]));
    }

    for (const auto& [entry, name] :
         {std::pair{0, "fee-editor-fixed.png"}, std::pair{2, "fee-editor-formula.png"}}) {
        fees.SetCurrent(entry);
        gb::app::ui::CCalcEditDlg editor(runner, fees, {"Cash", "PayPal"});
        SaveScreenshot(editor, name);
    }
}

}  // namespace
