// A seller whose site fails ends its own retrieval as a failure, with the
// failure's text in the session's summary; the next seller still runs, and
// the profile keeps what it had.

#include <gtest/gtest.h>

#include "UpdateRunFixture.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

using namespace gb::sites;

using namespace gb::itemdb;

namespace gb::e2e {
namespace {

using emulator::Fault;
using emulator::FaultKind;
using emulator::FaultPoint;

struct FailureCase {
    const char* name;
    Fault fault;
    const char* summaryText;  // the start of the failure code's text
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr char kNoNewItems[] = "The seller has no new items listed.";
constexpr char kSiteDown[] = "The auction site may be down";
constexpr char kWrongPassword[] = "The Seller ID or password is incorrect.";

const FailureCase kCases[] = {
    {"WrongPassword", {FaultKind::WrongPassword}, kWrongPassword},
    {"NoSignInField", {FaultKind::NoSignInField}, kSiteDown},
    {"ListingWithoutRows", {FaultKind::NoRows}, kNoNewItems},
    {"ListingServerError", {FaultKind::ServerError, FaultPoint::Listing}, kNoNewItems},
    {"SignInStalls", {FaultKind::Stall, FaultPoint::SignInCheck}, kSiteDown},
    {"BuyerPageDropped", {FaultKind::DropConnection, FaultPoint::BuyerPage}, kNoNewItems},
};

class UpdateFailuresTest : public UpdateRunFixture,
                           public testing::WithParamInterface<FailureCase> {};

TEST_P(UpdateFailuresTest, EndsThatSellersRetrievalAndRunsTheNext) {
    EmulatedSeller fay = Seller(SiteClass::eBayUK, "fay", "secret",
                                {Item("8101", "Quilt", -50, 50, 3000),
                                 Item("8102", "Stool", -60, -1, 2000,
                                      Buyer("hal", "2", "hal@example.net"), SaleKind::FixedPrice)});
    fay.fault = GetParam().fault;
    StartEmulator({Seller(SiteClass::eBayUSA, "gus", "", {Item("8201", "Kite", -5, 5, 450)}), fay});
    const int gus = AddSeller("gus", "eBay USA");
    const int fays = AddSeller("fay", "eBay UK", "secret");
    CAucItem known;
    known.SetSite("eBay UK");
    known.SetAuctionId("8101");
    known.SetItemNote("Fay's own note");
    known.SetStatus(folder::InProgress, true);
    ASSERT_TRUE(document_.GetItemList().AddItem(known, folder::InProgress));

    EXPECT_EQ(RunUpdate(), (std::vector<int>{fays, gus}));
    EXPECT_TRUE(run_.HasFailed());
    const std::string summary = SummaryLog();
    EXPECT_NE(summary.find(std::string("Failure on site 2: ") + GetParam().summaryText),
              std::string::npos)
        << summary;
    EXPECT_NE(summary.find("Update Complete for site 1: eBay USA:gus"), std::string::npos)
        << summary;

    EXPECT_TRUE(Entry(fays).lastUpdate.IsNull());
    EXPECT_TRUE(Entry(gus).lastUpdate.IsValid());
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

INSTANTIATE_TEST_SUITE_P(EachFault, UpdateFailuresTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FailureCase>& failure) {
                             return std::string(failure.param.name);
                         });

}  // namespace
}  // namespace gb::e2e
