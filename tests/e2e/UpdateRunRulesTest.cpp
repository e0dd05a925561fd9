// What an update run refuses and what it ignores.

#include <gtest/gtest.h>

#include <algorithm>

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

constexpr char kCouldNotInitiate[] = "Could not initiate auction update request";

class UpdateRunRulesTest : public UpdateRunFixture {
protected:
    // The profile as it stands, saved to a file of its own.
    std::filesystem::path SavedProfile() {
        const std::filesystem::path path = folder_.Path() / "copy.pro";
        CAucDoc copy;
        copy.OnNewDocument();
        copy.SetProfileName("Copy");
        EXPECT_TRUE(copy.OnSaveDocument(path));
        return path;
    }

    TempFolder folder_;
};

TEST_F(UpdateRunRulesTest, WithoutAnActiveSellerNothingStarts) {
    StartEmulator({});
    AddSeller("resting", "eBay USA", "", false);
    EXPECT_FALSE(run_.UpdateAuctions());
    EXPECT_FALSE(run_.IsRunning());
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_TRUE(prompts_.messages[0].starts_with("There are no active eBay Seller IDs to update."));
    // The session logs were emptied all the same.
    EXPECT_EQ(SummaryLog(), "");
    EXPECT_TRUE(emulator_->Requests().empty());
}

TEST_F(UpdateRunRulesTest, WithoutAMainWindowNothingStarts) {
    StartEmulator({Seller(SiteClass::eBayUSA, "walt", "", {})});
    CAucDoc other;
    other.OnNewDocument();
    other.SetProfileName("Windowless");
    other.GetSellerList().AddSeller("walt", "eBay USA", CLSID_eBayUSA.ToString());
    UpdateRun& windowless = other.GetUpdateRun();
    windowless.SetPrompts(&prompts_);
    EXPECT_FALSE(windowless.UpdateAuctions());
    EXPECT_FALSE(windowless.IsRunning());
    EXPECT_EQ(prompts_.messages, std::vector<std::string>{kCouldNotInitiate});
}

TEST_F(UpdateRunRulesTest, RowsWaitForTheDocumentsThreadAndComeBeforeTheEnd) {
    StartEmulator({Seller(SiteClass::eBayUSA, "walt", "",
                          {Item("7801", "Mug", -5, 5, 100), Item("7802", "Bowl", -5, 5, 200)})});
    AddSeller("walt", "eBay USA");
    ASSERT_TRUE(run_.UpdateAuctions());
    std::vector<WindowMessage> received;
    while (const auto message = window_.WaitFor(kMessageLimit)) {
        received.push_back(*message);
        if (message->message == WM_RETRIEVAL_NOTIFY &&
            message->wParam == static_cast<std::uintptr_t>(RetrievalNotifyKind::Success)) {
            break;
        }
    }
    // Nothing reached the item list while this thread took no message.
    EXPECT_EQ(ItemCount(folder::InProgress), 0u);
    EXPECT_EQ(std::count_if(
                  received.begin(), received.end(),
                  [](const WindowMessage& message) { return message.message == WM_RETRIEVED_ROW; }),
              2);
    for (std::size_t at = 0; at < received.size(); ++at) {
        EXPECT_EQ(run_.OnMessage(received[at]), at + 1 == received.size());
    }
    EXPECT_EQ(ItemCount(folder::InProgress), 2u);
}

TEST_F(UpdateRunRulesTest, AFailedPreparationLeavesNothingBehind) {
    StartEmulator({Seller(SiteClass::eBayUSA, "walt", "", {Item("7701", "Vase", -5, 5, 100)})});
    const int walt = AddSeller("walt", "eBay USA");
    // A site class that is not installed, and a seller ID too long for the site object.
    CSellerList& sellers = document_.GetSellerList();
    sellers.AddSeller("ghost", "eBay Atlantis", "{00000000-0000-0000-0000-0000000000A1}");
    AddSeller(std::string(60, 'x'), "eBay UK");
    AddSeller(std::string(59, 'y'), "eBay Canada");

    EXPECT_EQ(RunUpdate(), (std::vector<int>{4, walt}));
    EXPECT_EQ(prompts_.messages, (std::vector<std::string>{kCouldNotInitiate, kCouldNotInitiate}));
    // The seller ID of 59 characters reached the site whole.
    const auto requests = emulator_->Requests();
    EXPECT_TRUE(std::any_of(requests.begin(), requests.end(), [](const auto& request) {
        return request.target.find("userid=" + std::string(59, 'y') + "&") != std::string::npos;
    }));
    EXPECT_NE(Find("eBay USA", "7701"), nullptr);
    EXPECT_FALSE(run_.IsRunning());
}

TEST_F(UpdateRunRulesTest, ASecondUpdateAndTheProfilesLifecycleWaitForTheRun) {
    EmulatedSeller slow = Seller(SiteClass::eBayUK, "slow", "pw", {});
    slow.fault = Fault{FaultKind::Stall, FaultPoint::SignInCheck};
    StartEmulator({slow});
    AddSeller("slow", "eBay UK", "pw");
    ASSERT_TRUE(run_.UpdateAuctions());
    EXPECT_TRUE(run_.IsRunning());
    EXPECT_FALSE(run_.UpdateAuctions());
    EXPECT_FALSE(document_.UpdateAuctions());
    const std::filesystem::path other = SavedProfile();
    EXPECT_FALSE(document_.OnNewDocument());
    EXPECT_FALSE(document_.OnOpenDocument(other));
    EXPECT_FALSE(document_.SaveModified());
    EXPECT_EQ(document_.GetSellerList().GetCount(), 1);
    // An end for a retrieval that is not the one running changes nothing.
    EXPECT_FALSE(run_.OnRetrievalDone(7, true));
    EXPECT_FALSE(run_.OnMessage({WM_RETRIEVAL_NOTIFY, 0, 0}));
    EXPECT_TRUE(run_.IsRunning());
    while (const auto message = window_.WaitFor(kMessageLimit)) {
        if (run_.OnMessage(*message)) {
            break;
        }
    }
    EXPECT_FALSE(run_.IsRunning());
    EXPECT_TRUE(run_.HasFailed());
    EXPECT_TRUE(Entry(1).lastUpdate.IsNull());
    EXPECT_TRUE(document_.OnOpenDocument(other));
}

TEST_F(UpdateRunRulesTest, RowsOfASellerNoLongerInTheListAreDropped) {
    EmulatedSeller leaving =
        Seller(SiteClass::eBayUK, "leaving", "pw",
               {Item("6601", "Cup", -5, 5, 100),
                Item("6602", "Jug", -50, -1, 900, Buyer("kim", "1", "kim@example.net"),
                     SaleKind::FixedPrice)});
    // The buyer page stalls, so the first row is fired and waits while the
    // seller is taken out of the list.
    leaving.fault = Fault{FaultKind::Stall, FaultPoint::BuyerPage};
    StartEmulator(
        {Seller(SiteClass::eBayUSA, "stays", "", {Item("6701", "Pan", -5, 5, 100)}), leaving});
    AddSeller("stays", "eBay USA");
    AddSeller("leaving", "eBay UK", "pw");
    ASSERT_TRUE(run_.UpdateAuctions());
    ASSERT_TRUE(document_.GetSellerList().RemoveAt(1));
    while (const auto message = window_.WaitFor(kMessageLimit)) {
        if (run_.OnMessage(*message)) {
            break;
        }
    }
    EXPECT_FALSE(run_.IsRunning());
    EXPECT_EQ(Find("eBay UK", "6601"), nullptr);
    EXPECT_EQ(ItemCount(folder::InProgress), 1u);
    EXPECT_NE(Find("eBay USA", "6701"), nullptr);
    EXPECT_TRUE(Entry(1).lastUpdate.IsValid());
}

}  // namespace
}  // namespace gb::e2e
