// Printing the item list on a real printer (a PDF file), its preview and the
// page set-up, with every modal window answered by the scripted runner.

#include <QtCore/QFile>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrintPreviewWidget>
#include <QtWidgets/QApplication>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QSpinBox>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "app/core/ListRows.h"
#include "app/dialogs/print/ItemListPainter.h"
#include "app/dialogs/print/ItemListPrinting.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/ItemTotals.h"
#include "tests/support/TempFolder.h"
#include "widgets/ScriptedModalRunner.h"

using gb::test::TempFolder;

namespace {

using gb::app::PrintContent;
using gb::app::PrintLayout;
using gb::app::ui::ItemListPainter;
using gb::widgets::ScriptedModalRunner;

// 500 to 512.
constexpr char kThirteenColumns[] = ".ABCDEFGHIJKLM";

// The pages of a PDF file as Qt writes them: one page object each.
int PdfPageCount(const std::filesystem::path& file) {
    QFile pdf(QString::fromStdString(file.string()));
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = pdf.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                            bytes.count("/Type /Page/") + bytes.count("/Type /Page>"));
}

class ItemListPrintingTest : public ::testing::Test {
protected:
    ItemListPrintingTest()
        : runner_([](const std::string& failure) { ADD_FAILURE() << failure; }) {}

    PrintContent Content(int itemCount, const char* columnSet) {
        items_.assign(static_cast<std::size_t>(itemCount), gb::itemdb::CAucItem());
        std::vector<const gb::itemdb::CAucItem*> rows;
        for (gb::itemdb::CAucItem& item : items_) {
            item.SetAuctionId(std::to_string(1000 + rows.size()));
            item.SetDescription("Item number " + std::to_string(rows.size()));
            item.SetMaxBid(std::to_string(rows.size()) + ".25");
            item.SetEndDate("3/1/2024");
            totals_.AddItem(item);
            rows.push_back(&item);
        }
        rows_.emplace(std::move(rows), fees_, nullptr);
        return {"Sold in March", gb::app::BuildListColumns(columnSet, fees_), *rows_, totals_};
    }

    void PrintToPdf(const std::filesystem::path& file) {
        printing_.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing_.Printer().setOutputFileName(QString::fromStdString(file.string()));
    }

    ScriptedModalRunner runner_;
    gb::app::ui::ItemListPrinting printing_;
    gb::itemdb::CFeeSchedule fees_;
    gb::itemdb::CItemTotals totals_;
    std::vector<gb::itemdb::CAucItem> items_;
    std::optional<gb::app::ListRows> rows_;
};

TEST_F(ItemListPrintingTest, ThirteenColumnsOf120ItemsPrintTheLaidOutPages) {
    TempFolder folder;
    PrintToPdf(folder / "list.pdf");
    const PrintContent content = Content(120, kThirteenColumns);

    printing_.OnFilePrintDirect(content, runner_, nullptr);

    const auto layout = PrintLayout::Make(content, ItemListPainter::MetricsOf(printing_.Printer()));
    ASSERT_TRUE(std::holds_alternative<PrintLayout>(layout));
    const PrintLayout& pages = std::get<PrintLayout>(layout);
    EXPECT_GE(pages.Bands().size(), 2u);
    EXPECT_EQ(pages.PageCount(), pages.RowPages() * static_cast<int>(pages.Bands().size()));
    EXPECT_EQ(PdfPageCount(folder / "list.pdf"), pages.PageCount());
    EXPECT_TRUE(runner_.Ran().empty());
}

TEST_F(ItemListPrintingTest, AnEmptyFolderIsNotPrinted) {
    TempFolder folder;
    PrintToPdf(folder / "empty.pdf");
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));

    printing_.OnFilePrint(Content(0, kThirteenColumns), runner_, nullptr);

    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_EQ(runner_.Ran()[0].text, "There are no items to print. Select a different folder.");
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.pdf"));
}

TEST_F(ItemListPrintingTest, AListOfOnlyTheIconColumnIsRefused) {
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    printing_.OnFilePrintPreview(Content(3, "!"), runner_, nullptr);
    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_TRUE(runner_.Ran()[0].text.startsWith("There are no columns to print."));
}

TEST_F(ItemListPrintingTest, ThePreviewShowsThePrintedPages) {
    const PrintContent content = Content(120, kThirteenColumns);
    int shownPages = 0;
    runner_.Then(ScriptedModalRunner::Accept([&](QDialog& dialog) {
        dialog.resize(1000, 800);
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        QApplication::processEvents();
        shownPages = preview->pageCount();
        if (const char* shot = std::getenv("GB_SCREENSHOT"); shot != nullptr) {
            preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
            QApplication::processEvents();
            dialog.grab().save(QString::fromLocal8Bit(shot));
        }
    }));

    printing_.OnFilePrintPreview(content, runner_, nullptr);

    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_EQ(runner_.Ran()[0].className, "QPrintPreviewDialog");
    const auto layout = PrintLayout::Make(content, ItemListPainter::MetricsOf(printing_.Printer()));
    EXPECT_EQ(shownPages, std::get<PrintLayout>(layout).PageCount());
}

TEST_F(ItemListPrintingTest, ThePrintDialogsPageRangeIsPrintedAndBoundedByThePageCount) {
    TempFolder folder;
    PrintToPdf(folder / "range.pdf");
    const PrintContent content = Content(120, kThirteenColumns);
    const auto layout = PrintLayout::Make(content, ItemListPainter::MetricsOf(printing_.Printer()));
    const int pageCount = std::get<PrintLayout>(layout).PageCount();
    ASSERT_GE(pageCount, 4);
    runner_.Then(ScriptedModalRunner::Accept([pageCount](QDialog& dialog) {
        auto& print = static_cast<QPrintDialog&>(dialog);
        EXPECT_EQ(print.minPage(), 1);
        EXPECT_EQ(print.maxPage(), pageCount);
        auto* range = dialog.findChild<QRadioButton*>("printRange");
        auto* from = dialog.findChild<QSpinBox*>("from");
        auto* to = dialog.findChild<QSpinBox*>("to");
        ASSERT_TRUE(range != nullptr && from != nullptr && to != nullptr);
        EXPECT_TRUE(range->isEnabled());
        EXPECT_EQ(to->maximum(), pageCount);
        range->setChecked(true);
        from->setValue(2);
        to->setValue(3);
    }));

    printing_.OnFilePrint(content, runner_, nullptr);

    EXPECT_EQ(PdfPageCount(folder / "range.pdf"), 2);

    // Print Direct afterwards prints every page again.
    PrintToPdf(folder / "direct.pdf");
    printing_.OnFilePrintDirect(content, runner_, nullptr);
    EXPECT_EQ(PdfPageCount(folder / "direct.pdf"), pageCount);
}

TEST_F(ItemListPrintingTest, PrintAndPrintSetupRunThePlatformsDialogs) {
    TempFolder folder;
    PrintToPdf(folder / "cancelled.pdf");
    runner_.Then(ScriptedModalRunner::Reject()).Then(ScriptedModalRunner::Reject());

    printing_.OnFilePrint(Content(5, "#AB"), runner_, nullptr);
    printing_.OnFilePrintSetup(runner_, nullptr);

    ASSERT_EQ(runner_.Ran().size(), 2u);
    EXPECT_EQ(runner_.Ran()[0].className, "QPrintDialog");
    EXPECT_EQ(runner_.Ran()[1].className, "QPageSetupDialog");
    EXPECT_FALSE(std::filesystem::exists(folder / "cancelled.pdf"));
}

}  // namespace
