// A seller whose site fails, or turns hostile, ends its own retrieval as a
// failure, with the failure's text in the session's summary and its cause in
// the details; the next seller still runs, and the profile keeps what it had.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "E2eEnvironment.h"
#include "UpdateRunFixture.h"
#include "platform/FileIo.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

using namespace gb::sites;

namespace gb::e2e {
namespace {

using emulator::Fault;
using emulator::FaultKind;
using emulator::FaultPoint;

constexpr char kNoNewItems[] = "Failure on site 2: The seller has no new items listed.";
constexpr char kSiteDown[] = "Failure on site 2: The auction site may be down";
constexpr char kWrongPassword[] = "Failure on site 2: The Seller ID or password is incorrect.";
constexpr char kUnableToUpdate[] = "Unable to update site 2: eBay UK:fay";
constexpr char kTooDeep[] = "The page nests its elements deeper than any real page";
constexpr char kTooDeepFailure[] =
    "Failure on site 2: The page nests its elements deeper than any real page";

// Two sellers: gus of the USA site, who has no password, and fay of the UK
// site, who signs in and whose site may be told to fail. Fay's retrieval runs
// first; a profile item of hers carries a note of her own.
class FailingSellerTest : public UpdateRunFixture {
protected:
    void StartSellers(Fault fayFault) {
        EmulatedSeller fay =
            Seller(SiteClass::eBayUK, "fay", "secret",
                   {Item("8101", "Quilt", -50, 50, 3000),
                    Item("8102", "Stool", -60, -1, 2000, Buyer("hal", "2", "hal@example.net"),
                         SaleKind::FixedPrice)});
        fay.fault = fayFault;
        StartEmulator(
            {Seller(SiteClass::eBayUSA, "gus", "", {Item("8201", "Kite", -5, 5, 450)}), fay});
        gus_ = AddSeller("gus", "eBay USA");
        fay_ = AddSeller("fay", "eBay UK", "secret");
        CAucItem known;
        known.SetSite("eBay UK");
        known.SetAuctionId("8101");
        known.SetItemNote("Fay's own note");
        known.SetStatus(folder::InProgress, true);
        ASSERT_TRUE(document_.GetItemList().AddItem(known, folder::InProgress));
    }

    // Runs the update; fay's retrieval fails with `result` in the summary and
    // `cause` in the details, gus's completes, and the profile is whole.
    void ExpectFayFailsAndGusRuns(std::string_view result, std::string_view cause) {
        EXPECT_EQ(RunUpdate(), (std::vector<int>{fay_, gus_}));
        EXPECT_TRUE(run_.HasFailed());
        const std::string summary = SummaryLog();
        EXPECT_NE(summary.find(result), std::string::npos) << summary;
        EXPECT_NE(summary.find("Update Complete for site 1: eBay USA:gus"), std::string::npos)
            << summary;
        const std::string details = DetailsLog();
        EXPECT_NE(details.find(cause), std::string::npos) << cause << " not in\n" << details;

        EXPECT_TRUE(Entry(fay_).lastUpdate.IsNull());
        EXPECT_TRUE(Entry(gus_).lastUpdate.IsValid());
        EXPECT_NE(Find("eBay USA", "8201", folder::InProgress), nullptr);
        const CAucItem* kept = Find("eBay UK", "8101", folder::InProgress);
        ASSERT_NE(kept, nullptr);
        EXPECT_EQ(kept->GetItemNote(), "Fay's own note");

        // The profile is whole: saved and read again, it holds the same.
        const TempFolder folder;
        ASSERT_TRUE(document_.OnSaveDocument(folder.Path() / "failing.pro"));
        CAucDoc reread;
        ASSERT_TRUE(reread.OnOpenDocument(folder.Path() / "failing.pro"));
        EXPECT_EQ(reread.GetSellerList(), document_.GetSellerList());
        EXPECT_EQ(reread.GetItemList().GetStateList(folder::InProgress)->Size(),
                  ItemCount(folder::InProgress));
    }

    int gus_ = 0;
    int fay_ = 0;
};

// Sets a time limit of the retrieval ("OverallTimeout", "ProgressTimeout")
// for one test.
class ScopedRetrievalLimit {
public:
    ScopedRetrievalLimit(const char* name, std::uint32_t seconds)
        : name_(name), previous_(Settings::CurrentUser().GetNumber(kKey, name, 0)) {
        Set(seconds);
    }
    ~ScopedRetrievalLimit() { Set(previous_); }
    ScopedRetrievalLimit(const ScopedRetrievalLimit&) = delete;
    ScopedRetrievalLimit& operator=(const ScopedRetrievalLimit&) = delete;

private:
    inline static const std::string kKey = std::string(kApplicationKey) + "\\Retrieval";

    void Set(std::uint32_t seconds) {
        EXPECT_TRUE(Settings::CurrentUser().SetNumber(kKey, name_, seconds));
    }

    const char* name_;
    std::uint32_t previous_;
};

struct FailureCase {
    const char* name;
    Fault fault;
    const char* result;  // the start of the result line in the summary
    const char* cause;   // what the details say went wrong
    std::uint32_t overallSeconds = kEnvironmentOverallSeconds;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

const FailureCase kCases[] = {
    {"WrongPassword", {FaultKind::WrongPassword}, kWrongPassword, "Login request submitted"},
    {"NoSignInField", {FaultKind::NoSignInField}, kSiteDown, "Requesting login"},
    {"ListingWithoutRows",
     {FaultKind::NoRows},
     kNoNewItems,
     "Invalid response from eBay - retrying page"},
    {"ListingServerError",
     {FaultKind::ServerError, FaultPoint::Listing},
     kNoNewItems,
     "Invalid response from eBay - retrying page"},
    {"SignInStalls",
     {FaultKind::Stall, FaultPoint::SignInCheck},
     kSiteDown,
     "nothing arrived for 10 s"},
    {"BuyerPageDropped",
     {FaultKind::DropConnection, FaultPoint::BuyerPage},
     kNoNewItems,
     "could not load"},
    // Hostile servers.
    {"EndlessPaging",
     {FaultKind::EndlessPages},
     kUnableToUpdate,
     "Stopped after 1000 listing pages"},
    {"HugePage",
     {FaultKind::HugePage, FaultPoint::Listing},
     kUnableToUpdate,
     "the page is larger than 4194304 bytes"},
    {"EndlessDrip",
     {FaultKind::Drip, FaultPoint::BuyerPage},
     kNoNewItems,
     "timed out after 10",
     10},
    {"ResetMidPage",
     {FaultKind::ResetConnection, FaultPoint::Listing},
     kUnableToUpdate,
     "Connection reset by peer"},
    {"RedirectLoop",
     {FaultKind::RedirectLoop, FaultPoint::Listing},
     kUnableToUpdate,
     "redirects followed"},
    {"CompressionBomb",
     {FaultKind::CompressionBomb, FaultPoint::Listing},
     kUnableToUpdate,
     "the page is larger than 4194304 bytes"},
    {"SignInPageNestedDeep",
     {FaultKind::DeepNesting, FaultPoint::SignInPage},
     kTooDeepFailure,
     kTooDeep},
    // Pages whose end tags and stray table parts close less than they seem
    // to (the parser's own tests take them at the sizes that took it minutes
    // or overran the stack; here the emulator answers them within the stall
    // limit).
    {"SignInPageSpanDivSpan",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<span><div></span>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageDivTableCellDivEnd",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<div><table><tr><td></div>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageListItemListEnd",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<li><ul></li>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageCustomElementDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<x-a><div></x-a>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageHeadingTableCell",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<h1><table><tr><td></h1>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageParagraphObject",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<p><object></p>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageParagraphApplet",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<p><applet></p>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageParagraphMarquee",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<p><marquee></p>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageFormDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<form><div></form>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageOptionDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<option><div></option>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageCellDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<td><div></td>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageBoldDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<b><div></b>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageAnchorDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<a><div></a>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageNobrDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<nobr><div></nobr>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageDivCell",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<div><td>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageTableBodyDiv",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<tbody><div>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
    {"SignInPageSpanCellCaption",
     {FaultKind::DeepNesting, FaultPoint::SignInPage, {"<span><td><caption>", 2'000}},
     kTooDeepFailure,
     kTooDeep},
};

class UpdateFailuresTest : public FailingSellerTest,
                           public testing::WithParamInterface<FailureCase> {};

TEST_P(UpdateFailuresTest, EndsThatSellersRetrievalAndRunsTheNext) {
    const ScopedRetrievalLimit limit("OverallTimeout", GetParam().overallSeconds);
    StartSellers(GetParam().fault);
    ExpectFayFailsAndGusRuns(GetParam().result, GetParam().cause);
}

INSTANTIATE_TEST_SUITE_P(EachFault, UpdateFailuresTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FailureCase>& failure) {
                             return std::string(failure.param.name);
                         });

TEST_F(FailingSellerTest, ConsentPageNestedDeepEndsThatSellersRetrieval) {
    StartSellers({FaultKind::DeepNesting, FaultPoint::AdultPage});
    document_.SetAdultFlag(true);
    ExpectFayFailsAndGusRuns("Failure on site 2: The page nests its elements deeper", kTooDeep);
    const std::vector<emulator::RecordedRequest> requests = emulator_->Requests();
    EXPECT_TRUE(std::none_of(requests.begin(), requests.end(), [](const auto& request) {
        return request.target.find("AdultSignInConfirm") != std::string::npos;
    }));
}

// A consent page of 390 fields nested inside <svg>, each with ten kilobytes
// of text, before the page itself: none of them is a field, the page is read
// as any page of its size, and the consent goes through.
TEST_F(FailingSellerTest, ConsentPageOfNestedForeignFieldsIsReadLikeAnyPage) {
    const std::string nestedFields = [] {
        std::string page = "<svg>";
        for (int i = 0; i < 390; ++i) {
            page += "<textarea name=t>" + std::string(10'000, 'x');
        }
        return page + "</svg>";
    }();
    StartSellers({FaultKind::DeepNesting, FaultPoint::AdultPage, {nestedFields, 1}});
    document_.SetAdultFlag(true);
    EXPECT_EQ(RunUpdate(), (std::vector<int>{fay_, gus_}));
    const std::string summary = SummaryLog();
    EXPECT_NE(summary.find("Update Complete for site 1: eBay USA:gus"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("Update Complete for site 2: eBay UK:fay"), std::string::npos)
        << summary;
    const std::vector<emulator::RecordedRequest> requests = emulator_->Requests();
    EXPECT_TRUE(std::any_of(requests.begin(), requests.end(), [](const auto& request) {
        return request.target.find("AdultSignInConfirm") != std::string::npos;
    }));
}

// Sets an environment variable for one test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        ::setenv(name, value, 1);
    }
    ~ScopedEnvironment() { ::unsetenv(name_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
};

// A page reader that crashes or answers nonsense on fay's sign-in page fails
// her retrieval with the reader's failure; gus's runs.
class MisbehavingPageReader : public FailingSellerTest,
                              public testing::WithParamInterface<const char*> {};

TEST_P(MisbehavingPageReader, FailsThatSellerAndRunsTheNext) {
    const ScopedEnvironment reader("GAVELBOOK_PAGE_READER", GB_TEST_PAGE_READER);
    const std::string request = std::string("<!--reader-test:") + GetParam() + "-->";
    StartSellers({FaultKind::DeepNesting, FaultPoint::SignInPage, {request, 1}});
    ExpectFayFailsAndGusRuns("Failure on site 2: The page reader failed on this page (",
                             "The page reader failed on this page (");
}

INSTANTIATE_TEST_SUITE_P(Requests, MisbehavingPageReader, testing::Values("crash", "garbage"));

TEST_F(FailingSellerTest, SignInFormOfAnotherHostGetsNoPassword) {
    StartSellers({FaultKind::ForeignSignInAction});
    ExpectFayFailsAndGusRuns(kSiteDown,
                             "The sign-in form would send the password to https://localhost:");
    const std::vector<emulator::RecordedRequest> requests = emulator_->Requests();
    EXPECT_TRUE(std::none_of(requests.begin(), requests.end(), [](const auto& request) {
        return request.target.find("SignInWelcome") != std::string::npos;
    }));
}

// The password goes only to the servers of the site's own sign-in and listing
// addresses (scheme, host and port), whatever the site's pages and redirects
// say; sent elsewhere it would arrive under another name or port of the
// emulator.
struct PasswordCase {
    const char* name;
    FaultKind fault;
    const char* cause;
};

void PrintTo(const PasswordCase& c, std::ostream* os) {
    *os << c.name;
}

class PasswordStaysOnTheSite : public FailingSellerTest,
                               public testing::WithParamInterface<PasswordCase> {};

TEST_P(PasswordStaysOnTheSite, OtherServersGetNoPassword) {
    StartSellers({GetParam().fault});
    ExpectFayFailsAndGusRuns(kSiteDown, GetParam().cause);
    for (const emulator::RecordedRequest& request : emulator_->Requests()) {
        if (request.target.find("SignInWelcome") != std::string::npos) {
            EXPECT_EQ(request.host, emulator_->Host()) << request.method << " " << request.target;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachWay, PasswordStaysOnTheSite,
    testing::Values(PasswordCase{"FormOfAnotherPort", FaultKind::OtherPortSignInAction,
                                 "The sign-in form would send the password to https://127.0.0.1:"},
                    PasswordCase{"SignInPageMovedToAnotherHost", FaultKind::ForeignSignInPage,
                                 "The sign-in form would send the password to https://localhost:"},
                    PasswordCase{"PostRedirectedToAnotherHost", FaultKind::ForeignSignInRedirect,
                                 "the password would go to https://localhost:"}),
    [](const testing::TestParamInfo<PasswordCase>& c) { return std::string(c.param.name); });

// A server that never sends a whole page holds a seller's retrieval no longer
// than the progress limit, across all the tries of the page: then that seller
// fails with the reason, and the next seller runs.
struct SlowCase {
    const char* name;
    FaultKind fault;
};

void PrintTo(const SlowCase& c, std::ostream* os) {
    *os << c.name;
}

class SlowServerTest : public FailingSellerTest, public testing::WithParamInterface<SlowCase> {};

TEST_P(SlowServerTest, EndsThatSellersRetrievalAtTheProgressLimit) {
    const ScopedRetrievalLimit limit("ProgressTimeout", 4);
    // The progress limit strikes in the middle of the first try, long before
    // the limit on one transfer could end it.
    const ScopedRetrievalLimit overall("OverallTimeout", 120);
    StartSellers({GetParam().fault, FaultPoint::Listing});
    ExpectFayFailsAndGusRuns("Failure on site 2: The site sent no whole page for 4 s, over 1 try;",
                             "this seller's update was stopped. The site may be down or very "
                             "slow: try again later.");
}

INSTANTIATE_TEST_SUITE_P(EachServer, SlowServerTest,
                         testing::Values(SlowCase{"NeverAnswers", FaultKind::Stall},
                                         SlowCase{"Trickles", FaultKind::Drip}),
                         [](const testing::TestParamInfo<SlowCase>& c) {
                             return std::string(c.param.name);
                         });

TEST_F(FailingSellerTest, UntrustedCertificateEndsTheSignIn) {
    StartSellers({});
    // The UK site's servers are one whose certificate no one trusts.
    emulator::SiteEmulator impostor;
    impostor.Start();
    for (const SiteServer server : {SiteServer::Listing, SiteServer::SignIn, SiteServer::Item,
                                    SiteServer::Offer, SiteServer::Feedback}) {
        ASSERT_TRUE(emulator::PointSiteServerAt(Settings::CurrentUser(), SiteClass::eBayUK, server,
                                                impostor.Host()));
    }
    ExpectFayFailsAndGusRuns(kSiteDown, "SSL certificate problem");
    EXPECT_TRUE(impostor.Requests().empty());
}

// The files the programs keep for the user are his alone.
TEST_F(FailingSellerTest, KeptFilesAreOwnerOnly) {
    StartSellers({FaultKind::ServerError, FaultPoint::Listing});
    ExpectFayFailsAndGusRuns(kNoNewItems, "For more details see: ");
    const TempFolder folder;
    ASSERT_TRUE(document_.OnSaveDocument(folder.Path() / "kept.pro"));

    const auto ownerOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::vector<std::filesystem::path> files = {folder.Path() / "kept.pro",
                                                Settings::CurrentUser().File()};
    for (const auto& entry : std::filesystem::directory_iterator(WorldFolder() / "state")) {
        files.push_back(entry.path());
    }
    EXPECT_GE(files.size(), 5u) << "the two session logs and the returned page";
    for (const std::filesystem::path& file : files) {
        EXPECT_EQ(std::filesystem::status(file).permissions(), ownerOnly) << file;
    }
}

}  // namespace
}  // namespace gb::e2e
