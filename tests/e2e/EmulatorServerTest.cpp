// The emulator driven with plain HTTP(S) requests: the pages and forms the
// retrieval engine relies on, and each way it can be told to fail.

#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <string>

#include "SiteEmulator.h"
#include "TestSellers.h"

using namespace gb::sites;

namespace gb::e2e {
namespace {

using emulator::Fault;
using emulator::FaultKind;
using emulator::FaultPoint;
using emulator::SiteEmulator;

constexpr char kUkSignIn[] = "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:UK";
constexpr char kSignInCheck[] = "/ws/eBayISAPI.dll?SignInWelcome";

std::string Listing(std::string_view command, std::string_view user, int page, int days = 31) {
    return "/ws/eBayISAPI.dll?" + std::string(command) + "&userid=" + std::string(user) +
           "&page=" + std::to_string(page) + "&since=" + std::to_string(days);
}
std::string PublicListing(std::string_view user, int page, int days = 31) {
    return Listing("MfcISAPICommand=ViewListedItems", user, page, days);
}
std::string ListingWithEmails(std::string_view user, int page) {
    return Listing("ViewListedItemsWithEmails", user, page);
}

int Count(const std::string& text, std::string_view part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// Item rows hold "item=" in their first cell's link; nothing else on a
// listing page does.
int ItemRows(const std::string& page) {
    return Count(page, "ViewItem&amp;item=");
}

class EmulatorServerTest : public testing::Test {
protected:
    EmulatorServerTest()
        : emulator_({Seller(
              SiteClass::eBayUK, "alice", "secret",
              {Item("7001", "Oak chair", -48, 48, 1250, Buyer("bob", "12", "bob@example.net")),
               Item("7002", "Lamp", -48, 24, 999),
               Item("7003", "Desk", -240, -10 * 24, 4000, Buyer("carl", "3", "")),
               Item("7004", "Bench", -96, -2, 18000,
                    Buyer("dora", "40", "dora@example.org", "Leeds"), SaleKind::FixedPrice),
               Item("7005", "Rug", -20, 100, 2500)},
              2)}) {
        emulator_.Start();
        plain_ = std::make_unique<httplib::Client>("127.0.0.1", emulator_.Port());
        secure_ = std::make_unique<httplib::SSLClient>("127.0.0.1", emulator_.Port());
        secure_->set_ca_cert_path(emulator_.AuthorityFile().c_str());
        secure_->enable_server_certificate_verification(true);
    }

    // Signs alice in and gives the session's cookie.
    std::string SignIn() {
        const httplib::Result answer = secure_->Post(
            kSignInCheck,
            httplib::Params{{"userid", "alice"}, {"pass", "secret"}, {"returnto", kUkSignIn}});
        EXPECT_TRUE(answer);
        if (!answer || answer->status != 302) {
            return {};
        }
        const std::string cookie = answer->get_header_value("Set-Cookie");
        return cookie.substr(0, cookie.find(';'));
    }

    std::string Get(const std::string& target, const std::string& cookie = {}) {
        httplib::Headers headers;
        if (!cookie.empty()) {
            headers.emplace("Cookie", cookie);
        }
        const httplib::Result answer = plain_->Get(target.c_str(), headers);
        EXPECT_TRUE(answer) << target;
        return answer ? answer->body : std::string();
    }

    SiteEmulator emulator_;
    std::unique_ptr<httplib::Client> plain_;
    std::unique_ptr<httplib::SSLClient> secure_;
};

TEST_F(EmulatorServerTest, OnePortAnswersHttpAndHttps) {
    const httplib::Result overTls = secure_->Get(kUkSignIn);
    const httplib::Result plain = plain_->Get(kUkSignIn);
    ASSERT_TRUE(overTls);
    ASSERT_TRUE(plain);
    EXPECT_EQ(overTls->status, 200);
    EXPECT_EQ(plain->status, 200);
    const auto requests = emulator_.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].secure);
    EXPECT_FALSE(requests[1].secure);
    EXPECT_EQ(requests[0].target, kUkSignIn);
}

TEST_F(EmulatorServerTest, SignInPageHoldsTheFormTheEngineFills) {
    const std::string page = secure_->Get(kUkSignIn)->body;
    for (const char* part :
         {"<form name=\"SignInForm\"", "name=\"userid\"", "name=\"pass\"", "type=\"submit\""}) {
        EXPECT_NE(page.find(part), std::string::npos) << part;
    }
}

TEST_F(EmulatorServerTest, SignInCheckWelcomesTheRightPasswordWithASession) {
    const httplib::Result answer = secure_->Post(
        kSignInCheck,
        httplib::Params{{"userid", "ALICE"}, {"pass", "secret"}, {"returnto", kUkSignIn}});
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 302);
    EXPECT_EQ(answer->get_header_value("Location"), "/ws/eBayISAPI.dll?MyeBay");
    EXPECT_TRUE(answer->get_header_value("Set-Cookie").starts_with("gbsession="));
}

TEST_F(EmulatorServerTest, RefusedSignInReturnsToTheSignInPageItself) {
    emulator_.SetFault("alice", Fault{FaultKind::WrongPassword});
    for (const char* password : {"wrong", "secret"}) {
        const httplib::Result answer = secure_->Post(
            kSignInCheck,
            httplib::Params{{"userid", "alice"}, {"pass", password}, {"returnto", kUkSignIn}});
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->status, 302);
        EXPECT_EQ(answer->get_header_value("Location"), kUkSignIn) << password;
        EXPECT_FALSE(answer->has_header("Set-Cookie"));
    }
}

TEST_F(EmulatorServerTest, ListingWithEmailsIsShownToTheSignedInSellerOnly) {
    const std::string stranger = Get(ListingWithEmails("alice", 1));
    EXPECT_EQ(ItemRows(stranger), 0);
    EXPECT_NE(stranger.find("SignInForm"), std::string::npos);

    const std::string page = Get(ListingWithEmails("alice", 1), SignIn());
    EXPECT_EQ(ItemRows(page), 2);
    EXPECT_NE(page.find("<a href=\"mailto:bob@example.net\">bob@example.net</a>"),
              std::string::npos);
}

TEST_F(EmulatorServerTest, ListingPagesSplitTheItemsAndLinkToTheNextPage) {
    // All five items still run or ended within the 31 days, two to a page.
    const std::string first = Get(PublicListing("Alice", 1));
    const std::string second = Get(PublicListing("alice", 2));
    const std::string last = Get(PublicListing("alice", 3));
    EXPECT_EQ(ItemRows(first), 2);
    EXPECT_EQ(ItemRows(second), 2);
    EXPECT_EQ(ItemRows(last), 1);
    // The link stands in the row above the first item row.
    const std::size_t link = first.find("&amp;page=2&amp;");
    ASSERT_NE(link, std::string::npos);
    EXPECT_LT(link, first.find("ViewItem&amp;item="));
    EXPECT_NE(first.find("\">&gt;&gt;</a>"), std::string::npos);
    EXPECT_EQ(last.find("&gt;&gt;</a>"), std::string::npos);
    // The public listing has no e-mail column.
    EXPECT_EQ(first.find("mailto:"), std::string::npos);
}

TEST_F(EmulatorServerTest, ListingLeavesOutItemsThatEndedBeforeTheDaysAsked) {
    // Item 7003 ended ten days ago.
    const auto shown = [&](int days) {
        for (int page = 1; page <= 3; ++page) {
            if (Get(PublicListing("alice", page, days)).find("item=7003\"") != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(shown(9));
    EXPECT_TRUE(shown(11));
}

TEST_F(EmulatorServerTest, BuyerPageNamesTheBuyer) {
    const std::string page = Get("/ws/eBayISAPI.dll?GetBidderEmails&item=7004&pagetype=272");
    for (const char* part :
         {"ReturnUserEmail", ">dora</a>", ">40</a>", "<br>", ">(dora@example.org)</a>", "Leeds"}) {
        EXPECT_NE(page.find(part), std::string::npos) << part;
    }
}

TEST_F(EmulatorServerTest, FixedPriceSaleLinksItsBuyersPage) {
    const std::string page = Get(ListingWithEmails("alice", 2), SignIn());
    EXPECT_NE(page.find("ViewBids&amp;item=7004\">Purchases</a> (*)"), std::string::npos);
    EXPECT_NE(page.find("mailto:dora@example.org"), std::string::npos);
}

TEST_F(EmulatorServerTest, UnknownPagesAreNotFound) {
    EXPECT_EQ(plain_->Get("/index.html")->status, 404);
    EXPECT_EQ(plain_->Get("/ws/eBayISAPI.dll?Nonsense")->status, 404);
}

TEST_F(EmulatorServerTest, NoSignInFieldLeavesTheUserIdOutOfTheSitesSignInPage) {
    emulator_.SetFault("alice", Fault{FaultKind::NoSignInField});
    const std::string page = secure_->Get(kUkSignIn)->body;
    EXPECT_NE(page.find("SignInForm"), std::string::npos);
    EXPECT_EQ(page.find("userid"), std::string::npos);
    // Another site's sign-in page keeps its field.
    const std::string usa = plain_->Get("/ws2/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:US")->body;
    EXPECT_NE(usa.find("name=\"userid\""), std::string::npos);
}

TEST_F(EmulatorServerTest, NoRowsGivesListingPagesWithoutItemRows) {
    emulator_.SetFault("alice", Fault{FaultKind::NoRows});
    const std::string page = Get(PublicListing("alice", 1));
    EXPECT_NE(page.find("Items listed by alice"), std::string::npos);
    EXPECT_EQ(ItemRows(page), 0);
}

TEST_F(EmulatorServerTest, ServerErrorAnswersWithStatus500WhereToldTo) {
    emulator_.SetFault("alice", Fault{FaultKind::ServerError, FaultPoint::BuyerPage});
    EXPECT_EQ(plain_->Get("/ws/eBayISAPI.dll?ViewBids&item=7004")->status, 500);
    EXPECT_EQ(plain_->Get(PublicListing("alice", 1).c_str())->status, 200);
}

TEST_F(EmulatorServerTest, DroppedConnectionCutsTheAnswerShort) {
    emulator_.SetFault("alice", Fault{FaultKind::DropConnection, FaultPoint::Listing});
    EXPECT_FALSE(plain_->Get(PublicListing("alice", 1).c_str()));
}

TEST_F(EmulatorServerTest, StalledAnswerNeverComesUntilTheEmulatorStops) {
    emulator_.SetFault("alice", Fault{FaultKind::Stall, FaultPoint::SignInCheck});
    secure_->set_read_timeout(1, 0);
    const httplib::Result answer =
        secure_->Post(kSignInCheck, httplib::Params{{"userid", "alice"}, {"pass", "secret"}});
    EXPECT_FALSE(answer);
    // Stopping releases the stalled answer instead of waiting for it.
    emulator_.Stop();
}

}  // namespace
}  // namespace gb::e2e
