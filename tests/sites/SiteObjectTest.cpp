// The site object's operations apart from page parsing: its URLs and settings,
// the output-buffer rule, its interfaces and the firing of rows.

#include "sites/SiteBase.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "platform/ClassFactory.h"
#include "tests/support/PinnedLocale.h"
#include "tests/support/RowRecorder.h"

using gb::test::PinnedLocale;
using gb::test::RowRecorder;
using gb::test::UpdateRowArguments;

using namespace gb::sites;

namespace gb::testing {
namespace {

constexpr std::uint32_t kBufferSize = 512;
using Getter = std::function<HRESULT(char* buffer, std::uint32_t size)>;

constexpr char kSignIn[] = "http://signin.ebay.com/ws2/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:US";
constexpr char kAdult[] = "http://signin.ebay.com/ws/eBayISAPI.dll?AdultSignIn";
constexpr char kViewItem[] = "http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$";

// A page with one item row that has bids, and a next-page link before it.
constexpr char kOneRowPage[] =
    "<table><tr><td><a href=\"?page=2\">&gt;&gt;</a></td></tr>\r\n"
    "<tr><td><a href=\"x?ViewItem&item=42\">42</a></td><td>Mar-15-03 14:22:05</td>"
    "<td>Mar-22-03 14:22:05</td><td><b>$10.00</b></td><td><font>Lamp</font></td>"
    "<td><a href=\"f\">bob</a> (<a href=\"g\">5</a>) (*)</td></tr></table>";

class SiteObjectTest : public ::testing::Test {
protected:
    // The text a getter gives into a roomy buffer.
    static std::string Text(const Getter& get) {
        std::array<char, kBufferSize> buffer{};
        EXPECT_EQ(get(buffer.data(), kBufferSize), S_OK);
        return buffer.data();
    }
    std::string Url() const {
        return Text([&](char* b, std::uint32_t n) { return site_->GetURL(b, n); });
    }
    std::string InitUrl() const {
        return Text([&](char* b, std::uint32_t n) { return site_->GetInitURL(b, n); });
    }
    std::string AdultUrl() const {
        return Text([&](char* b, std::uint32_t n) { return site_->GetAdultURL(b, n); });
    }
    std::string AuxUrl(std::uint16_t select) const {
        return Text([&](char* b, std::uint32_t n) { return site_->GetAuxURL(select, b, n); });
    }
    std::string BuyerUrl() const {
        return Text([&](char* b, std::uint32_t n) { return site_->GetBuyerURL(b, n); });
    }

    std::uint32_t Advise(RowRecorder& recorder) const {
        ComPtr<IConnectionPoint> point;
        EXPECT_EQ(site_->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put()), S_OK);
        std::uint32_t cookie = 0;
        EXPECT_EQ(point->Advise(&recorder, &cookie), S_OK);
        return cookie;
    }

    const PinnedLocale us_{1033};
    ComPtr<CSiteBase> site_ =
        MakeObject<CSiteBase>(SiteProfileOf(SiteClass::eBayUSA), HostLookup());
};

TEST_F(SiteObjectTest, GettersFillTheBufferOnlyWhenTheTextIsShorterThanIt) {
    site_->SetUser("seller1", "secret");
    site_->SetAdult(1);
    const Getter getters[] = {
        [&](char* b, std::uint32_t n) { return site_->GetItemURL("42", b, n); },
        [&](char* b, std::uint32_t n) { return site_->GetAuxURL(kAuxLeaveFeedback, b, n); },
        [&](char* b, std::uint32_t n) { return site_->GetSiteID(b, n); },
        [&](char* b, std::uint32_t n) { return site_->GetInitURL(b, n); },
        [&](char* b, std::uint32_t n) { return site_->GetURL(b, n); },
        [&](char* b, std::uint32_t n) { return site_->GetAdultURL(b, n); },
    };
    for (const Getter& get : getters) {
        const std::string text = Text(get);
        ASSERT_FALSE(text.empty());
        const auto length = static_cast<std::uint32_t>(text.size());

        std::array<char, kBufferSize> buffer;
        buffer.fill('x');
        const auto untouched = buffer;
        EXPECT_EQ(get(buffer.data(), length), E_FAIL) << text;  // no room for the zero
        EXPECT_EQ(get(buffer.data(), 0), E_FAIL) << text;
        EXPECT_EQ(buffer, untouched) << text;
        EXPECT_EQ(get(nullptr, kBufferSize), E_FAIL) << text;

        EXPECT_EQ(get(buffer.data(), length + 1), S_OK) << text;
        EXPECT_EQ(std::string(buffer.data()), text);
    }
}

TEST_F(SiteObjectTest, GetBuyerUrlEmptiesTheBufferBeforeTestingItsSize) {
    site_->SetUser("seller1", "secret");
    ASSERT_EQ(site_->SetSummaryPage(
                  "<tr><td><a href=\"?item=7\">7</a></td><td>Mar-15-03</td><td>Mar-22-03</td>"
                  "<td>$5.00</td><td><font>Vase</font></td><td><a href=\"?ViewBids\">Buy</a> "
                  "(*)</td><td><a href=\"mailto:ann@example.com\">ann@example.com</a></td></tr>"),
              S_OK);
    const std::string url = BuyerUrl();
    EXPECT_EQ(url, "http://offer.ebay.com/ws/eBayISAPI.dll?GetBidderEmails&item=7&pagetype=272");

    std::array<char, kBufferSize> buffer;
    buffer.fill('x');
    EXPECT_EQ(site_->GetBuyerURL(buffer.data(), static_cast<std::uint32_t>(url.size())), E_FAIL);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'x');

    buffer.fill('x');
    EXPECT_EQ(site_->GetBuyerURL(buffer.data(), 0), E_FAIL);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(site_->GetBuyerURL(nullptr, kBufferSize), E_FAIL);
}

TEST_F(SiteObjectTest, GetUserChecksBothTextsBeforeCopyingEither) {
    site_->SetUser("ab", "secret");
    std::array<char, 8> user;
    std::array<char, 8> password;
    user.fill('x');
    password.fill('x');
    EXPECT_EQ(site_->GetUser(user.data(), password.data(), 6), E_FAIL);
    EXPECT_EQ(user[0], 'x');
    EXPECT_EQ(password[0], 'x');
    EXPECT_EQ(site_->GetUser(user.data(), nullptr, 8), E_FAIL);
    EXPECT_EQ(user[0], 'x');

    ASSERT_EQ(site_->GetUser(user.data(), password.data(), 7), S_OK);
    EXPECT_STREQ(user.data(), "ab");
    EXPECT_STREQ(password.data(), "secret");
}

TEST_F(SiteObjectTest, WithoutPasswordTheSignInUrlIsGoneForGood) {
    site_->SetUser("seller1", "secret");
    EXPECT_EQ(InitUrl(), kSignIn);

    site_->SetUser("seller1", nullptr);
    EXPECT_EQ(InitUrl(), "");
    char one = 'x';
    EXPECT_EQ(site_->GetInitURL(&one, 1), S_OK);
    EXPECT_EQ(one, '\0');
    EXPECT_EQ(site_->GetInitURL(&one, 0), E_FAIL);

    site_->SetUser("seller1", "secret");
    EXPECT_EQ(InitUrl(), "");
}

TEST_F(SiteObjectTest, UrlsNotAskedForStillDecideTheBufferSize) {
    // The URL is there but not asked for: its size still decides.
    const auto fresh = MakeObject<CSiteBase>(SiteProfileOf(SiteClass::eBayUSA), HostLookup());
    std::array<char, 8> small;
    small.fill('x');
    EXPECT_EQ(fresh->GetInitURL(small.data(), 8), E_FAIL);
    EXPECT_EQ(small[0], 'x');
    EXPECT_EQ(fresh->GetAdultURL(small.data(), 8), E_FAIL);
    EXPECT_EQ(small[0], 'x');
}

TEST_F(SiteObjectTest, AdultConsentNeedsAPasswordStoredFirst) {
    site_->SetAdult(1);
    site_->SetUser("seller1", "secret");
    EXPECT_EQ(AdultUrl(), "");

    site_->SetAdult(1);
    EXPECT_EQ(AdultUrl(), kAdult);
    site_->SetAdult(0);
    EXPECT_EQ(AdultUrl(), "");

    site_->SetUser("seller1", "");
    site_->SetAdult(1);
    EXPECT_EQ(AdultUrl(), "");
}

TEST_F(SiteObjectTest, ListingUrlFollowsPasswordDaysAndPage) {
    site_->SetDays(65535);
    site_->SetUser("seller1", "secret");
    EXPECT_EQ(Url(),
              "http://cgi6.ebay.com/ws/eBayISAPI.dll?ViewListedItemsWithEmails&since=65535&page=1"
              "&userid=seller1&rows=200&sort=3&requested=seller1&completed=1&rd=1");
    site_->SetUser("seller1", "");
    EXPECT_EQ(Url(),
              "http://cgi6.ebay.com/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=65535"
              "&page=1&userid=seller1&include=0&rows=200&sort=3&completed=1");
}

TEST_F(SiteObjectTest, GoNextPageAdvancesWhileTheLastPageHadANextLink) {
    std::uint16_t more = 7;
    EXPECT_EQ(site_->GoNextPage(&more), S_OK);
    EXPECT_EQ(more, 0);
    EXPECT_NE(Url().find("&page=1&"), std::string::npos);

    ASSERT_EQ(site_->SetSummaryPage(kOneRowPage), S_OK);
    EXPECT_EQ(site_->GoNextPage(&more), S_OK);
    EXPECT_EQ(more, 1);
    EXPECT_EQ(site_->GoNextPage(&more), S_OK);
    EXPECT_EQ(more, 1);
    EXPECT_NE(Url().find("&page=3&"), std::string::npos);
    EXPECT_EQ(site_->GoNextPage(nullptr), E_FAIL);
    EXPECT_NE(Url().find("&page=3&"), std::string::npos);
}

TEST_F(SiteObjectTest, AuxUrlsAreTheRawTemplates) {
    EXPECT_EQ(AuxUrl(0), kViewItem);
    EXPECT_EQ(AuxUrl(7), kViewItem);
    EXPECT_EQ(AuxUrl(kAuxViewBids),
              "http://offer.ebay.com/ws/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$");
    EXPECT_EQ(AuxUrl(kAuxLeaveFeedback),
              "http://feedback.ebay.com/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow"
              "&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$");
    EXPECT_EQ(Text([&](char* b, std::uint32_t n) { return site_->GetItemURL("123", b, n); }),
              "http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=123");
    EXPECT_EQ(Text([&](char* b, std::uint32_t n) { return site_->GetItemURL(nullptr, b, n); }),
              "http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=");
}

TEST_F(SiteObjectTest, SiteIdAndRequestNameTheRetrieval) {
    site_->SetUser("seller1", "secret");
    site_->SetRequest(65535);
    EXPECT_EQ(Text([&](char* b, std::uint32_t n) { return site_->GetSiteID(b, n); }),
              "eBay USA:seller1");
    std::uint16_t request = 0;
    EXPECT_EQ(site_->GetRequest(&request), S_OK);
    EXPECT_EQ(request, 65535);
    EXPECT_EQ(site_->GetRequest(nullptr), E_FAIL);
}

TEST_F(SiteObjectTest, AnswersItsThreeInterfacesOnly) {
    EXPECT_TRUE(site_.As<IUnknown>());
    EXPECT_TRUE(site_.As<IBidscope>());
    EXPECT_TRUE(site_.As<IConnectionPointContainer>());
    EXPECT_FALSE(site_.As<IConnectionPoint>());
    EXPECT_FALSE(site_.As<_IBidscopeEvents>());
    EXPECT_FALSE(site_.As<IClassFactory>());

    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(site_->FindConnectionPoint(IBidscope::kIid, point.Put()), CONNECT_E_NOCONNECTION);
    std::array<IConnectionPoint*, 2> points{};
    std::uint32_t count = 0;
    ASSERT_EQ(site_->EnumConnectionPoints(points.data(), 2, &count), S_OK);
    ASSERT_EQ(count, 1u);
    Guid iid;
    EXPECT_EQ(points[0]->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, _IBidscopeEvents::kIid);
    points[0]->Release();
}

TEST_F(SiteObjectTest, RowsReachEveryAdvisedSinkDespiteFailures) {
    const auto first = MakeObject<RowRecorder>();
    const auto second = MakeObject<RowRecorder>();
    const auto gone = MakeObject<RowRecorder>();
    first->result = E_FAIL;
    Advise(*first);
    const std::uint32_t goneCookie = Advise(*gone);
    Advise(*second);
    ComPtr<IConnectionPoint> point;
    site_->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put());
    ASSERT_EQ(point->Unadvise(goneCookie), S_OK);

    site_->SetUser("seller1", nullptr);
    site_->SetRequest(4);
    ASSERT_EQ(site_->SetSummaryPage(kOneRowPage), S_OK);
    EXPECT_EQ(site_->ParseData(nullptr), S_OK);
    EXPECT_EQ(first->rows.size(), 1u);
    EXPECT_TRUE(gone->rows.empty());
    ASSERT_EQ(second->rows.size(), 1u);
    EXPECT_EQ(second->rows[0],
              (UpdateRowArguments{"4", "eBay USA", "seller1", "42", "3/15/2003 2:22:05 PM",
                                  "3/22/2003 2:22:05 PM", "$10.00", "Lamp", "bob", "", "5", "",
                                  "$0.53", "", "$0.80", "Auction", "", "*"}));
}

TEST_F(SiteObjectTest, ParseDataSucceedsWithoutARowOrASink) {
    const auto recorder = MakeObject<RowRecorder>();
    Advise(*recorder);
    EXPECT_EQ(site_->ParseData("<tr><td>ReturnUserEmail</td></tr>"), S_OK);
    EXPECT_TRUE(recorder->rows.empty());

    const auto unheard = MakeObject<CSiteBase>(SiteProfileOf(SiteClass::eBayUSA), HostLookup());
    ASSERT_EQ(unheard->SetSummaryPage(kOneRowPage), S_OK);
    EXPECT_EQ(unheard->ParseData(""), S_OK);
}

}  // namespace
}  // namespace gb::testing
