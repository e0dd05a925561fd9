// Walking a listing page: which rows SetSummaryPage and MoveNextRow take, when
// a row has a buyer page, and what ParseData makes of a buyer page. The
// fixture pages cover the row parser's branches; these are the page-level
// edge cases.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "WorkerDrive.h"
#include "sites/SiteBase.h"
#include "tests/support/PinnedLocale.h"
#include "tests/support/RowRecorder.h"

using gb::test::PinnedLocale;
using gb::test::RowRecorder;
using gb::test::UpdateRowArguments;

using namespace gb::sites;

namespace gb::testing {
namespace {

// One USA listing row; `price` and the last cells vary.
std::string Row(std::string_view item, std::string_view price, std::string_view title,
                std::string_view sale, std::string_view mailCell = {}) {
    std::string row = "<tr><td><a href=\"/ViewItem&item=" + std::string(item) + "\">" +
                      std::string(item) + "</a></td><td>Mar-15-03 14:22:05</td>" +
                      "<td>Mar-22-03 14:22:05</td><td>" + std::string(price) + "</td><td>" +
                      std::string(title) + "</td><td>" + std::string(sale) + "</td>";
    if (!mailCell.empty()) {
        row += "<td>" + std::string(mailCell) + "</td>";
    }
    return row + "</tr>\r\n";
}

constexpr char kNextLink[] = "<a href=\"?page=2\">&gt;&gt;</a>";
constexpr char kFixedPriceSold[] = "<a href=\"/ViewBids&item=1\">Purchases</a> (*)";
constexpr char kBuyerMail[] = "<a href=\"mailto:ann@example.com\">ann@example.com</a>";

class ListingPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(site_->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put()), S_OK);
        std::uint32_t cookie = 0;
        ASSERT_EQ(point->Advise(recorder_.Get(), &cookie), S_OK);
        site_->SetUser("seller1", "secret");
    }

    std::string BuyerUrl() const {
        std::array<char, 512> url{};
        EXPECT_EQ(site_->GetBuyerURL(url.data(), 512), S_OK);
        return url.data();
    }

    const PinnedLocale us_{1033};
    ComPtr<CSiteBase> site_ =
        MakeObject<CSiteBase>(SiteProfileOf(SiteClass::eBayUSA), HostLookup());
    ComPtr<RowRecorder> recorder_ = MakeObject<RowRecorder>();
};

TEST_F(ListingPageTest, APageWithoutAReadableFirstItemRowFails) {
    const char* const pages[] = {
        nullptr,
        "",
        "<html><table><tr><td>No items</td></tr></table></html>",
        // Holds the row key but not the cells of an item row.
        "<table><tr><td><a href=\"/ViewItem&item=5\">5</a></td></tr></table>",
        // A row that is never closed.
        "<table><tr><td><a href=\"/ViewItem&item=5\">5</a></td>",
    };
    for (const char* page : pages) {
        EXPECT_EQ(site_->SetSummaryPage(page), E_FAIL) << (page != nullptr ? page : "null");
        EXPECT_EQ(BuyerUrl(), "");
    }
}

TEST_F(ListingPageTest, ARowWhosePriceCannotBeReadIsSkippedWithoutEndingThePage) {
    const std::string page = Row("1", "<b>see description</b>", "Box", "&nbsp;") +
                             Row("2", "$3.00", "Cup", "&nbsp;") + "<tr><td>end</td></tr>";
    const PageWalk walk = WalkListingPage(*site_, page);
    EXPECT_EQ(walk.summary, S_OK);
    EXPECT_EQ(walk.buyerUrls, (std::vector<std::string>{"", ""}));
    ASSERT_EQ(recorder_->rows.size(), 1u);
    EXPECT_EQ(recorder_->rows[0][3], "2");
}

TEST_F(ListingPageTest, TheNextPageLinkCountsUpToTheFirstItemRow) {
    const std::string link = std::string("<tr><td>") + kNextLink + "</td></tr>";
    const std::string inItemRow = Row("1", "$3.00", std::string("Cup ") + kNextLink, "&nbsp;");
    const std::string item = Row("1", "$3.00", "Cup", "&nbsp;");
    const struct {
        std::string page;
        std::uint16_t more;
    } cases[] = {
        {link + item, 1},
        {inItemRow, 1},
        {item + link, 0},
        {item + Row("2", "$3.00", std::string("Cup ") + kNextLink, "&nbsp;"), 0},
    };
    for (const auto& page : cases) {
        ASSERT_EQ(site_->SetSummaryPage(page.page.c_str()), S_OK) << page.page;
        std::uint16_t more = 9;
        site_->GoNextPage(&more);
        EXPECT_EQ(more, page.more) << page.page;
    }
}

TEST_F(ListingPageTest, TheFirstRowThatIsNoItemRowEndsThePage) {
    const std::string page = Row("1", "$3.00", "Cup", "&nbsp;") + "<tr><th>Totals</th></tr>" +
                             Row("2", "$3.00", "Mug", "&nbsp;");
    ASSERT_EQ(site_->SetSummaryPage(page.c_str()), S_OK);
    EXPECT_EQ(site_->MoveNextRow(), S_FALSE);
    EXPECT_EQ(site_->MoveNextRow(), S_FALSE);
    EXPECT_EQ(site_->MoveNextRow(), S_FALSE);
}

TEST_F(ListingPageTest, OnlyASoldFixedPriceSaleWithAnAddressHasABuyerPage) {
    const struct {
        std::string row;
        const char* password;
        std::string_view url;
    } cases[] = {
        {Row("1", "$3.00", "Cup", kFixedPriceSold, kBuyerMail), "secret",
         "http://offer.ebay.com/ws/eBayISAPI.dll?GetBidderEmails&item=1&pagetype=272"},
        {Row("1", "$3.00", "Cup", kFixedPriceSold, kBuyerMail), "",
         "http://offer.ebay.com/ws/eBayISAPI.dll?ViewBids&item=1"},
        // Not complete, no address, or an auction.
        {Row("1", "$3.00", "Cup", "<a href=\"/ViewBids\">Purchases</a> (2)", kBuyerMail), "secret",
         ""},
        {Row("1", "$3.00", "Cup", kFixedPriceSold, "<a href=\"x\">n/a</a>"), "secret", ""},
        {Row("1", "<b>$3.00</b>", "Cup", "<a href=\"f\">ann@example.com</a> (*)"), "secret", ""},
    };
    for (const auto& sale : cases) {
        site_->SetUser("seller1", sale.password);
        ASSERT_EQ(site_->SetSummaryPage(sale.row.c_str()), S_OK) << sale.row;
        EXPECT_EQ(BuyerUrl(), sale.url) << sale.row;
    }
}

TEST_F(ListingPageTest, ABuyerPageWithoutABuyerRowLeavesTheListingsValues) {
    const std::string row = Row("1", "$3.00", "Cup", kFixedPriceSold, kBuyerMail);
    WalkListingPage(*site_, row,
                    {{"http://offer.ebay.com/ws/eBayISAPI.dll?GetBidderEmails&item=1&pagetype=272",
                      "<table><tr><td>Bidder</td><td><a href=\"x\">other</a></td></tr></table>"}});
    ASSERT_EQ(recorder_->rows.size(), 1u);
    const UpdateRowArguments& fired = recorder_->rows[0];
    EXPECT_EQ(fired[8], "Fixed Price");      // bidder
    EXPECT_EQ(fired[9], "ann@example.com");  // mail
    EXPECT_EQ(fired[10], "");                // rating
    EXPECT_EQ(fired[16], "");                // location
}

TEST_F(ListingPageTest, ABuyerRowWithMissingPartsKeepsWhatItFinds) {
    // No "<br>" before the address anchor and fewer than six cells.
    const std::string row = Row("1", "$3.00", "Cup", kFixedPriceSold, kBuyerMail);
    WalkListingPage(*site_, row,
                    {{"http://offer.ebay.com/ws/eBayISAPI.dll?GetBidderEmails&item=1&pagetype=272",
                      "<tr><td>ReturnUserEmail</td><td><a href=\"f\">bea</a> (<a href=\"g\">4</a>)"
                      " <a href=\"mailto:b\">(bea@example.com)</a></td></tr>"}});
    ASSERT_EQ(recorder_->rows.size(), 1u);
    const UpdateRowArguments& fired = recorder_->rows[0];
    EXPECT_EQ(fired[8], "bea");
    EXPECT_EQ(fired[9], "ann@example.com");
    EXPECT_EQ(fired[10], "4");
}

TEST_F(ListingPageTest, TitlesWithoutTheUsualFontElements) {
    // The fixture pages hold the usual titles; these are the odd ones.
    const struct {
        std::string_view cell;
        std::string_view desc;
    } cases[] = {
        {"Plain cup", "Plain cup"},
        {"<font>Cup<font></font></font>", "Cup"},
        {"<font>Cup <font>one\r\nof two</font></font>", "Cup : oneof two"},
        // Only a tag after the first character cuts the title.
        {"<font><i>Cup</i></font>", "<i>Cup</i>"},
        {"<font><i>Penny</i> auction</font>", "<i>Penny</i> auction"},
        {"<font>Penny <i>auction</i></font>", "Penny "},
    };
    for (const auto& title : cases) {
        ASSERT_EQ(site_->SetSummaryPage(Row("1", "$3.00", title.cell, "&nbsp;").c_str()), S_OK);
        recorder_->rows.clear();
        site_->ParseData("");
        ASSERT_EQ(recorder_->rows.size(), 1u) << title.cell;
        EXPECT_EQ(recorder_->rows[0][7], title.desc) << title.cell;
    }
}

TEST_F(ListingPageTest, AnAddressOfFourCharactersIsTheShortestKept) {
    const struct {
        std::string_view mail;
        std::string_view kept;
    } cases[] = {{"a@bc", "a@bc"}, {"a@b", ""}};
    for (const auto& address : cases) {
        const std::string row = Row("1", "<b>$3.00</b>", "Cup", "<a href=\"f\">ann</a>",
                                    "<a href=\"m\">" + std::string(address.mail) + "</a>");
        ASSERT_EQ(site_->SetSummaryPage(row.c_str()), S_OK);
        recorder_->rows.clear();
        site_->ParseData("");
        ASSERT_EQ(recorder_->rows.size(), 1u) << address.mail;
        EXPECT_EQ(recorder_->rows[0][9], address.kept) << address.mail;
    }
}

}  // namespace
}  // namespace gb::testing
