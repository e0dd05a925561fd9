// A seller whose site fails, or turns hostile, ends its own retrieval as a
// failure, with the failure's text in the session's summary and its cause in
// the details; the next seller still runs, and the profile keeps what it had.

#include <gtest/gtest.h>

#include <algorithm>
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

// Sets the overall time limit of every page load for one test.
class ScopedOverallLimit {
public:
    explicit ScopedOverallLimit(std::uint32_t seconds) { Set(seconds); }
    ~ScopedOverallLimit() { Set(kEnvironmentOverallSeconds); }
    ScopedOverallLimit(const ScopedOverallLimit&) = delete;
    ScopedOverallLimit& operator=(const ScopedOverallLimit&) = delete;

private:
    static void Set(std::uint32_t seconds) {
        EXPECT_TRUE(Settings::CurrentUser().SetNumber(std::string(kApplicationKey) + "\\Retrieval",
                                                      "OverallTimeout", seconds));
    }
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
     "Failure on site 2: The page nests its elements deeper than any real page",
     kTooDeep},
};

class UpdateFailuresTest : public FailingSellerTest,
                           public testing::WithParamInterface<FailureCase> {};

TEST_P(UpdateFailuresTest, EndsThatSellersRetrievalAndRunsTheNext) {
    const ScopedOverallLimit limit(GetParam().overallSeconds);
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

TEST_F(FailingSellerTest, SignInFormOfAnotherHostGetsNoPassword) {
    StartSellers({FaultKind::ForeignSignInAction});
    ExpectFayFailsAndGusRuns(kSiteDown,
                             "The sign-in form would send the password to the host localhost, "
                             "not to the sign-in page's host 127.0.0.1");
    const std::vector<emulator::RecordedRequest> requests = emulator_->Requests();
    EXPECT_TRUE(std::none_of(requests.begin(), requests.end(), [](const auto& request) {
        return request.target.find("SignInWelcome") != std::string::npos;
    }));
}

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
