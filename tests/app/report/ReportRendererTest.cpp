#include "app/core/report/ReportRenderer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <span>
#include <vector>

#include "ReportFixtures.h"
#include "app/core/report/ReportRun.h"
#include "app/core/report/ReportSections.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/TDocText.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"

namespace gb::app {
namespace {

using gb::itemdb::CAucItem;
using gb::itemdb::CFeeSchedule;
using gb::itemdb::CTDocText;
using gb::test::ReportFixture;

std::vector<const CAucItem*> Pointers(const std::vector<CAucItem>& items) {
    std::vector<const CAucItem*> pointers;
    for (const CAucItem& item : items) {
        pointers.push_back(&item);
    }
    return pointers;
}

CTDocText TemplateOf(std::string header, std::string repeat, std::string footer) {
    CTDocText page;
    page.SetHeader(header);
    page.SetRepeat(repeat);
    page.SetFooter(footer);
    return page;
}

std::string RenderThrough(const CTDocText& page, CFeeSchedule fees,
                          const std::vector<CAucItem>& items) {
    ReportRenderer renderer(fees);
    renderer.BeginReport(page);
    for (const CAucItem& item : items) {
        renderer.AppendItem(item);
    }
    return renderer.BuildReport();
}

TEST(ReportRenderer, SalesReportOfThreeItemsMatchesTheStoredPage) {
    const CFeeSchedule fees = gb::test::ShippedFees();
    CFeeSchedule itemizing = fees;
    std::vector<CAucItem> items = gb::test::ThreeItems();
    items[0].AddItemizedCharge(gb::test::FeeEntryNamed(itemizing, "Handling"));
    items[1].AddItemizedFee(gb::test::FeeEntryNamed(itemizing, "Gallery"));
    const std::vector<const CAucItem*> rows = Pointers(items);

    gb::itemdb::CTemplateLibrary library;
    library.OpenFile(ReportFixture("VizEvav.cta"));
    const int sales = library.FindByName("Sales Report");

    const auto report = RenderReport({ReportFixture("VizEvav.cta"), sales, fees}, rows);

    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->templateName, "Sales Report");
    const auto expected = gb::ReadWholeFile(ReportFixture("SalesReport.htm"));
    ASSERT_TRUE(expected.has_value());
    if (report->html != *expected) {
        const auto actual = std::filesystem::temp_directory_path() / "SalesReport.actual.htm";
        std::ofstream(actual, std::ios::binary) << report->html;
        ADD_FAILURE() << "the page differs from the stored one; it was written to " << actual;
    }
}

TEST(ReportRenderer, FooterTotalsMoneyAndShowsTheFirstItemsOtherFields) {
    const std::string page = RenderThrough(
        TemplateOf("", "<BODY>.</BODY>", "<body bgcolor=white>[Max_Bid] [Buyer_ID]</BODY>"),
        gb::test::ShippedFees(), gb::test::ThreeItems());

    EXPECT_EQ(page, "...$97.75 lampfan");
}

TEST(ReportRenderer, ValueHoldingItsOwnTokenRendersOnce) {
    std::vector<CAucItem> items = gb::test::ThreeItems();
    items.resize(1);
    items[0].SetDescription("See [Description] and [Buyer_ID]");

    const std::string page =
        RenderThrough(TemplateOf("", "[Description]|[Buyer_ID]", ""), CFeeSchedule(), items);

    EXPECT_EQ(page, "See {Description} and {Buyer_ID}|lampfan");
}

TEST(ReportRenderer, LineBreaksBecomeBreakTagsAndUnknownTokensStay) {
    std::vector<CAucItem> items = gb::test::ThreeItems();
    items.resize(1);

    const std::string page = RenderThrough(
        TemplateOf("", "[Description] [No_Such] [[Auction_ID]", ""), CFeeSchedule(), items);

    EXPECT_EQ(page, "Brass desk lamp<br>with green shade [No_Such] [1001");
}

// Entry 3, "Euro Price": E2.00 shown for every item.
CFeeSchedule EuroPriceShown() {
    CFeeSchedule fees;
    fees.SetCurrent(3);
    fees.SetActive(true);
    fees.SetName("Euro Price");
    fees.SetType(gb::itemdb::fee_type::DisplayOnly);
    fees.SetBaseText("2.00");
    fees.SetCurrencySymbol("E");
    return fees;
}

TEST(ReportRenderer, DisplayOnlyEntryIsTotalledOnce) {
    const std::string page = RenderThrough(TemplateOf("", "[Euro_Price*];", "[Euro_Price*]"),
                                           EuroPriceShown(), gb::test::ThreeItems());

    EXPECT_EQ(page, "E2.00;E2.00;E2.00;E6.00");
}

TEST(ReportRenderer, ChargeCountsOnlyForItemsThatItemizeIt) {
    CFeeSchedule fees;
    fees.SetCurrent(5);
    fees.SetActive(true);
    fees.SetName("S&H Extra");
    fees.SetType(gb::itemdb::fee_type::Charge);
    fees.SetBaseText("1.50");
    std::vector<CAucItem> items = gb::test::ThreeItems();
    items[1].AddItemizedCharge(5);

    const std::string page =
        RenderThrough(TemplateOf("", "[S_H_Extra*];", "[S_H_Extra*]"), fees, items);

    EXPECT_EQ(page, "$0.00;$1.50;$0.00;$1.50");
}

TEST(ReportRenderer, HeaderTailFollowsTheFooterAndSectionsWithoutBodyRepeatWhole) {
    const std::string page = RenderThrough(
        TemplateOf("<HTML><Body>Head</body></HTML>", "<b>[Auction_ID]</b>", "no body tags"),
        CFeeSchedule(), gb::test::ThreeItems());

    EXPECT_EQ(page, "<HTML><Body>Head<b>1001</b><b>1002</b><b>1003</b>no body tags</body></HTML>");
}

TEST(ReportRenderer, NothingRenderedWithoutItems) {
    ReportRenderer renderer{CFeeSchedule()};
    renderer.BeginReport(TemplateOf("head", "[Auction_ID]", "foot"));

    EXPECT_EQ(renderer.BuildReport(), "");
    EXPECT_EQ(renderer.BuildMailTo(), "");
}

TEST(ReportRenderer, NewReportForgetsThePreviousRunsFirstItem) {
    ReportRenderer renderer{CFeeSchedule()};
    CTDocText mail = TemplateOf("", "x", "");
    mail.SetSubject("Hi");
    renderer.BeginReport(mail);
    renderer.AppendItem(gb::test::ThreeItems()[0]);
    ASSERT_NE(renderer.BuildMailTo(), "");

    renderer.BeginReport(mail);

    EXPECT_EQ(renderer.BuildMailTo(), "");
    EXPECT_TRUE(renderer.IsSameBuyer());
}

TEST(ReportRenderer, OnlyActiveChargesFeesAndDisplayEntriesHaveTokens) {
    CFeeSchedule fees;
    fees.SetCurrent(4);
    fees.SetActive(false);
    fees.SetName("Gallery");
    fees.SetType(gb::itemdb::fee_type::SellerFee);
    fees.SetBaseText("3.00");
    fees.SetCurrent(6);
    fees.SetActive(true);
    fees.SetName("Card Fee");
    fees.SetType(gb::itemdb::fee_type::TransactionFee);
    fees.SetBaseText("0.30");
    std::vector<CAucItem> items = gb::test::ThreeItems();
    items[0].AddItemizedFee(4);
    items[0].AddItemizedFee(6);

    const std::string page =
        RenderThrough(TemplateOf("", "[Gallery*] [Card_Fee*];", "[Gallery*]"), fees, {items[0]});

    EXPECT_EQ(page, "[Gallery*] [Card_Fee*];[Gallery*]");
}

TEST(ReportRenderer, AHeaderTokenShowsTheTotalOrTheFirstItemsValue) {
    const std::string page =
        RenderThrough(TemplateOf("Total [Max_Bid] for [Buyer_ID]: <BODY>", "x", ""), CFeeSchedule(),
                      gb::test::ThreeItems());

    EXPECT_EQ(page, "Total $97.75 for lampfan: <BODY>xxx");
}

TEST(ReportRenderer, ARendererUsedAgainStartsWithFreshTotalsAndBuyer) {
    const CFeeSchedule fees = EuroPriceShown();
    const std::vector<CAucItem> items = gb::test::ThreeItems();
    const CTDocText page = TemplateOf("", "x", "[Max_Bid] [Euro_Price*] [Buyer_ID]");
    ReportRenderer renderer(fees);
    renderer.BeginReport(page);
    renderer.AppendItem(items[0]);
    renderer.AppendItem(items[1]);
    ASSERT_FALSE(renderer.IsSameBuyer());
    ASSERT_EQ(renderer.BuildReport(), "xx$85.50 E4.00 lampfan");

    renderer.BeginReport(page);
    renderer.AppendItem(items[1]);

    EXPECT_TRUE(renderer.IsSameBuyer());
    EXPECT_EQ(renderer.BuildReport(), "x$61.50 E2.00 tick_tock");
}

TEST(ReportRenderer, BuyersCompareIgnoringCase) {
    ReportRenderer renderer{CFeeSchedule()};
    renderer.BeginReport(TemplateOf("", "x", ""));
    const std::vector<CAucItem> items = gb::test::ThreeItems();
    renderer.AppendItem(items[0]);
    renderer.AppendItem(items[2]);  // the same buyer in capitals
    EXPECT_TRUE(renderer.IsSameBuyer());

    renderer.AppendItem(items[1]);
    EXPECT_FALSE(renderer.IsSameBuyer());
}

TEST(ReportSections, BodyInnerAndHeaderSplit) {
    EXPECT_EQ(BodyInner("<html><BODY class=x>in</body></html>"), "in");
    EXPECT_EQ(BodyInner("<BODY without end</BODY>"), "<BODY without end</BODY>");
    EXPECT_EQ(BodyInner("<BODY>never closed"), "<BODY>never closed");
    EXPECT_EQ(SplitHeader("a</Body>b").head, "a");
    EXPECT_EQ(SplitHeader("a</Body>b").tail, "</Body>b");
    EXPECT_EQ(SplitHeader("plain").tail, "");
}

}  // namespace
}  // namespace gb::app
