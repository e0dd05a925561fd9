// A profile brought up to date from the emulated sites through the real site
// and retrieval libraries, as "Update Database" does it.

#include "itemdb/UpdateRun.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "UpdateRunFixture.h"
#include "platform/Locale.h"
#include "sites/SiteProfile.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

using namespace gb::sites;

using namespace gb::itemdb;

namespace gb::e2e {
namespace {

using emulator::RecordedRequest;

constexpr char kUk[] = "eBay UK";
constexpr char kUsa[] = "eBay USA";
constexpr char kGermany[] = "eBay Germany";

// An amount as the site object hands it on: in the user's currency format.
std::string UserPrice(const char* plain) {
    return *FormatCurrencyNumber(plain, kLocaleUserDefault);
}

Money UserMoney(const std::string& text) {
    return ParseCurrency(text, kLocaleUserDefault);
}

Money MoneyOf(const CAucItem& item, bool (CAucItem::*get)(std::string&, Money*) const) {
    std::string text;
    Money value = Money::Null();
    (item.*get)(text, &value);
    return value;
}

bool Requested(const std::vector<RecordedRequest>& requests, std::string_view part,
               std::string_view method = "GET") {
    return std::any_of(requests.begin(), requests.end(), [&](const RecordedRequest& request) {
        return request.method == method && request.target.find(part) != std::string::npos;
    });
}

std::vector<EmulatedItem> AlicesItems() {
    EmulatedItem dutch = Item("9105", "Drill bits", -10, 100, 999, std::nullopt, SaleKind::Dutch);
    dutch.quantityLeft = 12;
    return {Item("9101", "Oak chair", -48, 48, 1250, Buyer("bob", "12", "bob@example.net")),
            Item("9102", "Brass lamp", -24, 72, 999),
            Item("9103", "Pine desk", -120, -3, 4000, Buyer("carl", "3", "carl@example.com")),
            Item("9104", "Teak bench", -96, -2, 18000,
                 Buyer("dora", "40", "dora@example.org", "Leeds"), SaleKind::FixedPrice),
            dutch};
}

class UpdateRunTest : public UpdateRunFixture {
protected:
    void SetUp() override {
        StartEmulator({
            Seller(SiteClass::eBayUSA, "walt", "",
                   {Item("9201", "Walnut bowl", -30, 50, 1500, Buyer("tess", "8", "")),
                    Item("9202", "Tin toy", -200, -20, 700)}),
            Seller(SiteClass::eBayGER, "ina", "pw", {Item("9301", "Uhr", -5, 50, 100)}),
            Seller(SiteClass::eBayUK, "alice", "secret", AlicesItems(), 2),
        });
        walt_ = AddSeller("walt", kUsa);
        ina_ = AddSeller("ina", kGermany, "pw", false);
        alice_ = AddSeller("alice", kUk, "secret");
        document_.SetAdultFlag(true);

        // An item the profile already knows, with the seller's own note.
        CAucItem known;
        known.SetSite(kUk);
        known.SetAuctionId("9103");
        known.SetDescription("Pine desk (old title)");
        known.SetItemNote("Packed in the garage");
        known.SetStatus(folder::InProgress, true);
        ASSERT_TRUE(document_.GetItemList().AddItem(known, folder::InProgress));
    }

    // Every item's list, key and buyer, to compare profiles by.
    std::vector<std::string> Inventory() const {
        std::vector<std::string> lines;
        for (const std::int32_t list :
             {folder::InProgress, folder::AuctionEnded, folder::Archive}) {
            for (const CAucItem& item : document_.GetItemList().GetStateList(list)->Items()) {
                lines.push_back(std::to_string(list) + " " + std::string(item.GetSite()) + " " +
                                std::string(item.GetAuctionId()) + " " +
                                std::string(item.GetBuyerId()));
            }
        }
        return lines;
    }

    int walt_ = 0;
    int ina_ = 0;
    int alice_ = 0;
};

TEST_F(UpdateRunTest, RunsTheActiveSellersLastPreparedFirst) {
    EXPECT_EQ(walt_, 1);
    EXPECT_EQ(ina_, 2);
    EXPECT_EQ(alice_, 3);
    EXPECT_EQ(RunUpdate(), (std::vector<int>{3, 1}));
    EXPECT_FALSE(run_.HasFailed());
    EXPECT_FALSE(run_.IsRunning());
    EXPECT_TRUE(prompts_.messages.empty());

    const auto requests = emulator_->Requests();
    // Alice signs in over HTTPS and passes the adult consent; Walt has no
    // password, so he does neither; the inactive seller is never asked for.
    EXPECT_TRUE(std::any_of(requests.begin(), requests.end(), [](const RecordedRequest& request) {
        return request.method == "POST" && request.secure &&
               request.target.find("SignInWelcome") != std::string::npos && request.status == 302;
    }));
    EXPECT_TRUE(Requested(requests, "AdultSignInConfirm", "POST"));
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(),
                            [](const RecordedRequest& request) {
                                return request.target.find("ViewListedItemsWithEmails") !=
                                       std::string::npos;
                            }),
              3);
    EXPECT_TRUE(Requested(requests, "ViewListedItems&since=31&page=1&userid=walt"));
    EXPECT_TRUE(Requested(requests, "GetBidderEmails&item=9104"));
    EXPECT_FALSE(Requested(requests, "userid=ina"));

    const std::string summary = SummaryLog();
    EXPECT_NE(summary.find("Update Complete for site 3: eBay UK:alice"), std::string::npos);
    EXPECT_NE(summary.find("Update Complete for site 1: eBay USA:walt"), std::string::npos);
}

TEST_F(UpdateRunTest, FilesNewItemsAndUpdatesKnownOnesWithTheirFees) {
    RunUpdate();
    const SiteFees& ukFees = SiteProfileOf(SiteClass::eBayUK).fees;
    const std::int32_t alicesFolder = Entry(alice_).folderId;

    const CAucItem* running = Find(kUk, "9101", folder::InProgress);
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->GetStatus(), folder::InProgress);
    EXPECT_EQ(running->GetSellerId(), "alice");
    EXPECT_EQ(running->GetBuyerId(), "bob");
    EXPECT_EQ(running->GetEmail(), "bob@example.net");
    EXPECT_EQ(running->GetStorageFolder(), alicesFolder);
    EXPECT_EQ(MoneyOf(*running, &CAucItem::GetMaxBid), UserMoney(UserPrice("12.5")));

    const CAucItem* noBids = Find(kUk, "9102", folder::InProgress);
    ASSERT_NE(noBids, nullptr);
    EXPECT_EQ(MoneyOf(*noBids, &CAucItem::GetMinBid), UserMoney(UserPrice("9.99")));
    EXPECT_EQ(MoneyOf(*noBids, &CAucItem::GetInsertionFee),
              UserMoney(ukFees.CalcInsertionFee(UserPrice("9.99"))));

    // The known item has ended and sold: it moves to the ended list with its
    // final fee, and keeps what the seller wrote.
    const CAucItem* sold = Find(kUk, "9103", folder::AuctionEnded);
    ASSERT_NE(sold, nullptr);
    EXPECT_EQ(sold->GetStatus(), folder::NeedsAttention);
    EXPECT_EQ(sold->GetDescription(), "Pine desk");
    EXPECT_EQ(sold->GetItemNote(), "Packed in the garage");
    EXPECT_EQ(sold->GetBuyerId(), "carl");
    const Money finalFee = MoneyOf(*sold, &CAucItem::GetFinalFee);
    EXPECT_EQ(finalFee, UserMoney(ukFees.CalcFinalValueFee(UserPrice("40"))));
    EXPECT_GT(finalFee, Money());

    // The fixed-price sale is completed from its buyer page.
    const CAucItem* fixedPrice = Find(kUk, "9104", folder::AuctionEnded);
    ASSERT_NE(fixedPrice, nullptr);
    EXPECT_EQ(fixedPrice->GetAuctionType(), "Fixed Price");
    EXPECT_EQ(fixedPrice->GetBuyerId(), "Store? - dora");
    EXPECT_EQ(fixedPrice->GetEmail(), "dora@example.org");
    EXPECT_EQ(fixedPrice->GetShippingAddress(), "Leeds");
    EXPECT_EQ(MoneyOf(*fixedPrice, &CAucItem::GetMinBid), UserMoney(UserPrice("180")));
    EXPECT_EQ(MoneyOf(*fixedPrice, &CAucItem::GetInsertionFee),
              UserMoney(ukFees.CalcInsertionFee(UserPrice("180"))));

    ASSERT_NE(Find(kUk, "9105", folder::InProgress), nullptr);
    const CAucItem* walts = Find(kUsa, "9201", folder::InProgress);
    ASSERT_NE(walts, nullptr);
    EXPECT_EQ(walts->GetStorageFolder(), Entry(walt_).folderId);
    ASSERT_NE(Find(kUsa, "9202", folder::AuctionEnded), nullptr);
    EXPECT_EQ(Find(kGermany, "9301"), nullptr);
    EXPECT_EQ(ItemCount(folder::InProgress), 4u);
    EXPECT_EQ(ItemCount(folder::AuctionEnded), 3u);
    EXPECT_TRUE(document_.IsModified());
}

TEST_F(UpdateRunTest, SellerFoldersExistAndLastUpdatesAreStamped) {
    const DateTime before = Clock::Now().AddSeconds(-1);
    RunUpdate();
    const DateTime after = Clock::Now().AddSeconds(1);
    for (const int request : {walt_, alice_}) {
        const CSellerEntry entry = Entry(request);
        EXPECT_GE(entry.lastUpdate, before) << entry.sellerId;
        EXPECT_LE(entry.lastUpdate, after) << entry.sellerId;
        ASSERT_NE(entry.folderId, 0) << entry.sellerId;
        CFolderTree& folders = document_.EditFolders();
        ASSERT_TRUE(folders.FindNode(entry.folderId));
        EXPECT_EQ(folders.GetCurName(), entry.displayName);
    }
    EXPECT_TRUE(Entry(ina_).lastUpdate.IsNull());
}

TEST_F(UpdateRunTest, SavedProfileReadsBackWithAllOfIt) {
    RunUpdate();
    const TempFolder folder;
    const std::filesystem::path file = folder.Path() / "Emulated.pro";
    ASSERT_TRUE(document_.OnSaveDocument(file));

    CAucDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(file));
    EXPECT_EQ(reread.GetSellerList(), document_.GetSellerList());
    CItemList::ListPos position;
    ASSERT_TRUE(reread.GetItemList().FindItem(kUk, "9103", &position, folder::AuctionEnded));
    const CAucItem& sold = *reread.GetItemList().GetItem(position);
    EXPECT_EQ(sold.GetItemNote(), "Packed in the garage");
    EXPECT_EQ(MoneyOf(sold, &CAucItem::GetFinalFee),
              MoneyOf(*Find(kUk, "9103"), &CAucItem::GetFinalFee));
    for (const std::int32_t list : {folder::InProgress, folder::AuctionEnded}) {
        EXPECT_EQ(reread.GetItemList().GetStateList(list)->Size(), ItemCount(list));
    }
}

TEST_F(UpdateRunTest, SecondUpdateMergesWithoutDuplicates) {
    RunUpdate();
    const std::vector<std::string> first = Inventory();
    // Meanwhile the lamp got a bid.
    std::vector<EmulatedItem> items = AlicesItems();
    items[1].buyer = Buyer("ed", "5", "ed@example.net");
    emulator_->PutSeller(Seller(SiteClass::eBayUK, "alice", "secret", items, 2));

    EXPECT_EQ(RunUpdate(), (std::vector<int>{3, 1}));
    EXPECT_FALSE(run_.HasFailed());
    std::vector<std::string> expected = first;
    std::replace(expected.begin(), expected.end(), std::string("102 eBay UK 9102 "),
                 std::string("102 eBay UK 9102 ed"));
    EXPECT_EQ(Inventory(), expected);
    // The second run asked only for the days since the first.
    EXPECT_TRUE(Requested(emulator_->Requests(), "ViewListedItems&since=1&page=1&userid=walt"));
}

TEST_F(UpdateRunTest, SiteUrlGivesEachPageOfAnItem) {
    const std::string host = "http://" + emulator_->Host();
    EXPECT_EQ(run_.GetSiteURL(kUsa, "42", UpdateRun::kItemPage),
              host + "/ws/eBayISAPI.dll?ViewItem&item=42");
    EXPECT_EQ(run_.GetSiteURL("ebay usa", "42", UpdateRun::kBidsPage),
              host + "/ws/eBayISAPI.dll?ViewBids&item=42");
    EXPECT_EQ(run_.GetSiteURL(kUsa, "42", UpdateRun::kFeedbackPage),
              host +
                  "/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_"
                  "ID$&item=42");
    EXPECT_EQ(run_.GetSiteURL("eBay Mars", "42", UpdateRun::kItemPage), "");
}

TEST_F(UpdateRunTest, SiteUrlIsEmptyWhenTheSiteObjectCannotGiveIt) {
    // An item address longer than the 200 characters the caller takes.
    ASSERT_TRUE(
        Settings::CurrentUser().SetString(std::string(kApplicationKey) + "\\SiteServers\\eBayUSA",
                                          "Item", std::string(190, 'h') + ".example"));
    EXPECT_EQ(run_.GetSiteURL(kUsa, "42", UpdateRun::kItemPage), "");
    EXPECT_FALSE(run_.GetSiteURL(kUsa, "42", UpdateRun::kBidsPage).empty());
}

}  // namespace
}  // namespace gb::e2e
