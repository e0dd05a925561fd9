// The item list as printed pages: bands of columns, blocks of rows, and the
// lines of each page.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "app/core/ListRows.h"
#include "app/core/print/PrintLayout.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/ItemTotals.h"

namespace {

using gb::app::PrintContent;
using gb::app::PrintLayout;
using gb::app::PrintLine;
using gb::app::PrintMetrics;
using gb::app::PrintRefusal;

// 90 characters wide, 61 rows a page.
constexpr PrintMetrics kPage{1000, 1400, 20, 10};

// 13 columns: 500 to 512.
constexpr char kThirteenColumns[] = ".ABCDEFGHIJKLM";

class PrintLayoutTest : public ::testing::Test {
protected:
    gb::app::ListRows ManyRows(int count) {
        items_.assign(static_cast<std::size_t>(count), gb::itemdb::CAucItem());
        std::vector<const gb::itemdb::CAucItem*> rows;
        for (gb::itemdb::CAucItem& item : items_) {
            item.SetAuctionId("A" + std::to_string(rows.size()));
            rows.push_back(&item);
        }
        return gb::app::ListRows(std::move(rows), fees_, nullptr);
    }

    PrintContent Content(const gb::app::ListRows& rows, const char* columnSet) {
        return {"", gb::app::BuildListColumns(columnSet, fees_), rows, totals_};
    }

    static PrintLayout LayoutOf(const PrintContent& content, PrintMetrics metrics = kPage) {
        auto layout = PrintLayout::Make(content, metrics);
        EXPECT_TRUE(std::holds_alternative<PrintLayout>(layout));
        return std::get<PrintLayout>(std::move(layout));
    }

    static bool Shows(const std::vector<PrintLine>& lines, const std::string& start) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const PrintLine& line) { return line.text.starts_with(start); });
    }

    gb::itemdb::CFeeSchedule fees_;
    gb::itemdb::CItemTotals totals_;
    std::vector<gb::itemdb::CAucItem> items_;
};

TEST_F(PrintLayoutTest, ThirteenColumnsGoIntoBandsThatFitThePageInOrder) {
    const gb::app::ListRows rows = ManyRows(120);
    const PrintContent content = Content(rows, kThirteenColumns);
    const PrintLayout layout = LayoutOf(content);

    EXPECT_EQ(layout.PageWidth(), 90);
    EXPECT_EQ(layout.LinesPerPage(), 61);
    ASSERT_GE(layout.Bands().size(), 2u);
    std::size_t next = 1;
    for (const PrintLayout::Band& band : layout.Bands()) {
        EXPECT_EQ(band.first, next);
        EXPECT_LE(band.header.size(), 90u + 1);
        next = band.last + 1;
    }
    EXPECT_EQ(next, 14u);
    EXPECT_EQ(layout.RowPages(), 2);
    EXPECT_EQ(layout.PageCount(), 2 * static_cast<int>(layout.Bands().size()));
}

TEST_F(PrintLayoutTest, OnlyTheFirstBandOfTheLastBlockCountsTheItems) {
    const gb::app::ListRows rows = ManyRows(120);
    const PrintContent content = Content(rows, kThirteenColumns);
    const PrintLayout layout = LayoutOf(content);
    const int bands = static_cast<int>(layout.Bands().size());

    for (int page = 1; page <= layout.PageCount(); ++page) {
        const auto lines = layout.PageLines(content, page);
        const bool firstBand = (page - 1) % bands == 0;
        const bool lastBlock = page > bands;
        EXPECT_EQ(Shows(lines, "Number of Items: 120"), firstBand && lastBlock) << page;
        EXPECT_EQ(Shows(lines, "Current Auction Listings"), firstBand) << page;
        EXPECT_EQ(Shows(lines, "Page: " + std::to_string(page)), !lastBlock) << page;
    }
    // The second block starts with row 61.
    const auto secondBlock = layout.PageLines(content, bands + 1);
    EXPECT_TRUE(Shows(secondBlock, "A61 "));
    EXPECT_FALSE(Shows(secondBlock, "A60 "));
}

TEST_F(PrintLayoutTest, OneItemPrintsOnePagePerBandWithItsTotals) {
    gb::itemdb::CAucItem item;
    item.SetAuctionId("1001");
    item.SetMaxBid("12.50");
    gb::itemdb::CItemTotals totals;
    totals.AddItem(item);
    const gb::app::ListRows rows({&item}, fees_, nullptr);
    const PrintContent content{"My sales", gb::app::BuildListColumns("#AF", fees_), rows, totals};
    const PrintLayout layout = LayoutOf(content);

    ASSERT_EQ(layout.PageCount(), 1);
    const std::string rule(90, '-');
    const std::string amount = std::string(7, ' ') + "$12.50";  // right-aligned in 13
    const std::vector<PrintLine> expected{
        {1, "My sales"},
        {3, "Auction ID" + std::string(7, ' ') + std::string(6, ' ') + "Max Bid "},
        {4, rule},
        {5, "1001" + std::string(13, ' ') + amount},
        {6, rule},
        {7, std::string(17, ' ') + amount},
        {8, "Number of Items: 1"},
    };
    EXPECT_EQ(layout.PageLines(content, 1), expected);
}

// The content is a copy of the list as it was shown: pages laid out later (a
// preview repaints them as often as the user zooms) show those rows, whatever
// became of the items meanwhile.
TEST_F(PrintLayoutTest, TheContentKeepsTheRowsAsTheyWereWhenThePrintStarted) {
    const gb::app::ListRows rows = ManyRows(2);
    const PrintContent content = Content(rows, "\"A");  // Auction ID alone
    items_.clear();

    const auto lines = LayoutOf(content).PageLines(content, 1);

    EXPECT_TRUE(Shows(lines, "A0 "));
    EXPECT_TRUE(Shows(lines, "A1 "));
    EXPECT_EQ(lines.back(), (PrintLine{9, "Number of Items: 2"}));
}

TEST_F(PrintLayoutTest, AColumnWiderThanThePageStillMakesItsBand) {
    const gb::app::ListRows rows = ManyRows(1);
    const PrintContent content = Content(rows, "#BB");  // Description, 50 wide, twice
    const PrintLayout layout = LayoutOf(content, {300, 1400, 20, 10});  // 20 characters
    ASSERT_EQ(layout.Bands().size(), 2u);
    EXPECT_EQ(layout.Bands()[1].first, 2u);
    // Each page still prints the column's title over it.
    for (int page = 1; page <= 2; ++page) {
        EXPECT_EQ(layout.PageLines(content, page)[page == 1 ? 1 : 0],
                  (PrintLine{3, "Description" + std::string(40, ' ')}))
            << page;
    }
}

TEST_F(PrintLayoutTest, RefusesWhatCannotBePrinted) {
    const gb::app::ListRows none = ManyRows(0);
    EXPECT_EQ(std::get<PrintRefusal>(PrintLayout::Make(Content(none, "#AB"), kPage)),
              PrintRefusal::NoItems);
    const gb::app::ListRows rows = ManyRows(3);
    EXPECT_EQ(std::get<PrintRefusal>(PrintLayout::Make(Content(rows, "!"), kPage)),
              PrintRefusal::NoColumns);
    // Nine lines of frame and not one row.
    EXPECT_EQ(std::get<PrintRefusal>(PrintLayout::Make(Content(rows, "#AB"), {1000, 199, 20, 10})),
              PrintRefusal::PageTooSmall);
    // Two indents and not one character.
    EXPECT_EQ(std::get<PrintRefusal>(PrintLayout::Make(Content(rows, "#AB"), {100, 1400, 20, 10})),
              PrintRefusal::PageTooSmall);
    EXPECT_EQ(std::get<PrintRefusal>(PrintLayout::Make(Content(rows, "#AB"), {})),
              PrintRefusal::PageTooSmall);
}

TEST_F(PrintLayoutTest, ATabOrLineBreakInAFieldPrintsAsABlankAndKeepsTheColumnsInPlace) {
    gb::itemdb::CAucItem item;
    item.SetAuctionId("1001");
    item.SetShippingAddress("12 Elm St\r\nSpringfield\tIL");
    const gb::app::ListRows rows({&item}, fees_, nullptr);
    const PrintContent content = Content(rows, "#\\A");  // Shipping Address, Auction ID

    const auto lines = LayoutOf(content).PageLines(content, 1);

    const std::string address = "12 Elm St  Springfield IL";
    EXPECT_EQ(lines[3], (PrintLine{5, address + std::string(50 - address.size(), ' ') + " 1001" +
                                          std::string(12, ' ')}));
}

TEST_F(PrintLayoutTest, ANotFullPageEndsWithItsNumberTwoLinesBelowTheRule) {
    const gb::app::ListRows rows = ManyRows(62);
    const PrintContent content = Content(rows, "\"A");  // Auction ID alone
    const PrintLayout layout = LayoutOf(content);
    ASSERT_EQ(layout.PageCount(), 2);

    const auto first = layout.PageLines(content, 1);
    // Title 1, header 3, rule 4, rows 5 to 65, rule 66, page number 68.
    EXPECT_EQ(first.back(), (PrintLine{68, "Page: 1"}));
    EXPECT_EQ(first[first.size() - 2], (PrintLine{66, std::string(90, '-')}));
    const auto last = layout.PageLines(content, 2);
    // Row 62 on line 5, the rule, the totals, the count.
    EXPECT_EQ(last.back(), (PrintLine{8, "Number of Items: 62"}));
}

// Rows that fill the last page exactly are followed by no further page.
TEST_F(PrintLayoutTest, AFullLastPageEndsThePrint) {
    for (const int count : {61, 122}) {
        const gb::app::ListRows rows = ManyRows(count);
        const PrintContent content = Content(rows, "\"A");  // Auction ID alone
        const PrintLayout layout = LayoutOf(content);
        ASSERT_EQ(layout.PageCount(), count / 61) << count;
        const auto last = layout.PageLines(content, layout.PageCount());
        EXPECT_EQ(last.back(), (PrintLine{68, "Number of Items: " + std::to_string(count)}));
        EXPECT_TRUE(layout.PageLines(content, layout.PageCount() + 1).empty());
    }
}

TEST_F(PrintLayoutTest, AColumnEndingExactlyAtThePageWidthStaysInTheBand) {
    const gb::app::ListRows rows = ManyRows(1);
    // Two columns 16 wide: 16, a blank and 16 make 33 characters.
    const PrintContent content = Content(rows, "#AA");
    EXPECT_EQ(LayoutOf(content, {430, 1400, 20, 10}).Bands().size(), 1u);  // 33 characters
    EXPECT_EQ(LayoutOf(content, {420, 1400, 20, 10}).Bands().size(), 2u);  // 32 characters
}

TEST_F(PrintLayoutTest, APrinterWithoutACharacterWidthOrLineHeightIsRefused) {
    const gb::app::ListRows rows = ManyRows(3);
    EXPECT_EQ(std::get<PrintRefusal>(PrintLayout::Make(Content(rows, "#AB"), {1000, 1400, 20, 0})),
              PrintRefusal::PageTooSmall);
    EXPECT_EQ(std::get<PrintRefusal>(PrintLayout::Make(Content(rows, "#AB"), {1000, 1400, 0, 10})),
              PrintRefusal::PageTooSmall);
}

TEST_F(PrintLayoutTest, APageRangeIsCutToThePagesThatExist) {
    const gb::app::ListRows rows = ManyRows(120);
    const PrintContent content = Content(rows, "\"A");
    const PrintLayout layout = LayoutOf(content);
    ASSERT_EQ(layout.PageCount(), 2);
    EXPECT_EQ(layout.PagesOf({}), (gb::app::PageSpan{1, 2}));
    EXPECT_EQ(layout.PagesOf({2, 3}), (gb::app::PageSpan{2, 2}));
    EXPECT_EQ(layout.PagesOf({0, 1}), (gb::app::PageSpan{1, 1}));
    const gb::app::PageSpan none = layout.PagesOf({3, 5});
    EXPECT_GT(none.first, none.last);
}

}  // namespace
