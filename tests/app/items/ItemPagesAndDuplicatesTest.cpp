// An item's pages on its site, and the duplicate of an item: what it keeps,
// the auction ID it proposes and the checks of its entries.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingShell.h"
#include "app/core/CommandIds.h"
#include "app/core/items/DuplicateItem.h"
#include "app/core/items/SitePages.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"

using namespace gb::itemdb;
namespace cmd = gb::app::cmd;

namespace {

constexpr char kSite[] = "eBay USA";

CAucItem Item(const std::string& id) {
    CAucItem item;
    item.SetSite(kSite);
    item.SetAuctionId(id);
    item.SetSellerId("joe");
    item.SetBuyerId("ann");
    item.SetDescription("Brass compass");
    item.SetEmail("ann@example.test");
    item.SetStartDate("3/1/2004 10:00:00 AM");
    item.SetEndDate("3/8/2004 10:00:00 AM");
    item.SetFieldText(field::PaymentMethod, "Cheque");
    item.SetFieldText(field::ShipCost, "4.00");
    item.SetFieldText(field::InsertionFee, "0.35");
    item.SetFieldText(field::ReserveAmt, "10.00");
    item.AddItemizedFee(2);
    item.AddCategory(160);
    return item;
}

TEST(SitePages, ADuplicatesIdFindsTheListingOfItsOriginal) {
    const struct {
        const char* id;
        const char* site;
    } cases[] = {{"555-2", "555"}, {"555", "555"}, {"1234-1-2", "1234"}, {"-5-1", "-5"}, {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(gb::app::SiteAuctionId(c.id), c.site) << c.id;
    }
}

TEST(SitePages, TheAddressNamesTheKindAndEverySellerAndBuyerToken) {
    std::vector<std::string> asked;
    const auto addresses = [&](std::string_view site, std::string_view id, int kind) {
        asked.push_back(std::string(site) + "|" + std::string(id) + "|" + std::to_string(kind));
        return std::string("https://site.test/?s=$SELLER_ID$&b=$BUYER_ID$&again=$SELLER_ID$");
    };
    const CAucItem item = Item("555-2");
    EXPECT_EQ(gb::app::SitePageAddress(item, cmd::Feedback, addresses),
              "https://site.test/?s=joe&b=ann&again=joe");
    gb::app::SitePageAddress(item, cmd::ViewListing, addresses);
    gb::app::SitePageAddress(item, cmd::ViewListing + 3, addresses);
    EXPECT_EQ(asked,
              (std::vector<std::string>{"eBay USA|555|3", "eBay USA|555|1", "eBay USA|555|4"}));
}

TEST(SitePages, TheDesktopOpensThePageAndAFailureIsSaid) {
    std::string address = "https://site.test/item";
    gb::test::RecordingShell shell;
    const auto addresses = [&](std::string_view, std::string_view, int) { return address; };
    const CAucItem item = Item("555");
    EXPECT_EQ(gb::app::OpenSitePage(nullptr, cmd::ViewListing, addresses, shell), 59507);
    EXPECT_EQ(gb::app::OpenSitePage(&item, cmd::ViewListing, addresses, shell), std::nullopt);
    shell.opens = false;
    EXPECT_EQ(gb::app::OpenSitePage(&item, cmd::ViewListing, addresses, shell), 59508);
    address.clear();
    EXPECT_EQ(gb::app::OpenSitePage(&item, cmd::ViewListing, addresses, shell), std::nullopt);
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{"https://site.test/item", "https://site.test/item"}));
}

class DuplicateTest : public ::testing::Test {
protected:
    const gb::DateTime now = gb::DateTime::FromCivil(2004, 4, 2, 15, 30);
    CItemList items;
};

TEST_F(DuplicateTest, ADuplicateKeepsTheArticleAndStartsWithoutBuyerPaymentAndFees) {
    const CAucItem duplicate = gb::app::DuplicateOf(Item("555"), now);
    EXPECT_EQ(duplicate.GetStatus(), folder::NeedsAttention);
    EXPECT_EQ(duplicate.GetDescription(), "Brass compass");
    EXPECT_EQ(duplicate.GetSellerId(), "joe");
    EXPECT_TRUE(duplicate.HasCategory(160));
    EXPECT_TRUE(duplicate.GetMoneyValue(field::ReserveAmt)->IsValid());
    EXPECT_EQ(duplicate.GetBuyerId(), "");
    EXPECT_EQ(duplicate.GetEmail(), "");
    EXPECT_EQ(duplicate.GetPaymentMethod(), "");
    EXPECT_TRUE(duplicate.GetMoneyValue(field::ShipCost)->IsNull());
    EXPECT_EQ(duplicate.GetMoneyValue(field::InsertionFee)->Units(), 0);
    EXPECT_FALSE(duplicate.HasItemizedFee(2));
    EXPECT_EQ(*duplicate.GetDateValue(field::EndDate), now);
}

TEST_F(DuplicateTest, TheProposedIdIsTheFirstFreeOneOfTheBase) {
    items.AddItem(Item("555"), folder::AuctionEnded);
    EXPECT_EQ(gb::app::DuplicateEntriesOf(Item("555"), items, now).auctionId, "555-1");
    items.AddItem(Item("555-1"), folder::AuctionEnded);
    items.AddItem(Item("555-2"), folder::AuctionEnded);
    EXPECT_EQ(gb::app::DuplicateEntriesOf(Item("555-1"), items, now).auctionId, "555-3");
}

TEST_F(DuplicateTest, EntriesAreRefusedAtTheFirstFailingCheck) {
    items.AddItem(Item("555"), folder::AuctionEnded);
    const CAucItem source = gb::app::DuplicateOf(Item("555"), now);
    gb::app::DuplicateEntries good = gb::app::DuplicateEntriesOf(source, items, now);
    good.buyerId = "bob";
    good.start = gb::DateTime::FromCivil(2004, 4, 1, 9, 0);
    good.endDate = gb::DateTime::FromCivil(2004, 4, 3);
    good.endTime = gb::DateTime::FromCivil(1899, 12, 30, 18, 45);

    const struct {
        const char* name;
        void (*spoil)(gb::app::DuplicateEntries&);
        std::string message;
    } cases[] = {
        {"blank id", [](auto& e) { e.auctionId = "   "; }, "Invalid - Please enter an Auction ID"},
        {"taken id", [](auto& e) { e.auctionId = " 555 "; },
         "Invalid - You already have an item with that Auction ID. The auction id must be "
         "unique."},
        {"no buyer", [](auto& e) { e.buyerId = "  "; },
         "Invalid - You must enter a buyer id. Do not create a duplicate item until after the "
         "item has sold."},
        {"end at start",
         [](auto& e) {
             e.endDate = gb::DateTime::FromCivil(2004, 4, 1);
             e.endTime = gb::DateTime::FromCivil(1899, 12, 30, 9, 0);
         },
         "Invalid - The auction must have both a start date and an end date. The end date must "
         "be later than the start date."},
    };
    for (const auto& c : cases) {
        gb::app::DuplicateEntries entries = good;
        c.spoil(entries);
        CAucItem duplicate = source;
        EXPECT_EQ(gb::app::StoreDuplicateEntries(duplicate, entries, items), c.message) << c.name;
    }

    CAucItem duplicate = source;
    ASSERT_EQ(gb::app::StoreDuplicateEntries(duplicate, good, items), std::nullopt);
    EXPECT_EQ(duplicate.GetAuctionId(), "555-1");
    EXPECT_EQ(duplicate.GetBuyerId(), "bob");
    EXPECT_EQ(*duplicate.GetDateValue(field::EndDate), gb::DateTime::FromCivil(2004, 4, 3, 18, 45));
    EXPECT_EQ(*duplicate.GetDateValue(field::StartDate), good.start);
}

}  // namespace
