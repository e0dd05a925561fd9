// Which fields a retrieved row may change: one table per row of the merge's
// field-change table, each over a new item, a known item still in progress
// (status 102) and a known item the seller has finished (any other status).

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ItemListTestItems.h"
#include "itemdb/FieldId.h"
#include "itemdb/RowMerge.h"
#include "platform/Clock.h"

using namespace gb::itemdb;

namespace {

enum class Known { New, Running, Finished };

const char* NameOf(Known known) {
    switch (known) {
        case Known::New:
            return "new";
        case Known::Running:
            return "known, status 102";
        case Known::Finished:
            return "known, other status";
    }
    return "";
}

const gb::DateTime kNow = gb::DateTime::FromCivil(2023, 3, 5, 12, 0);
const gb::DateTime kOldUpdate = gb::DateTime::FromCivil(2023, 2, 1, 8, 0);

// A known item with every field the row could touch already filled.
CAucItem KnownItem(Known known, std::int32_t finishedStatus = folder::NeedsAttention) {
    CAucItem item = KeyedItem("EBAY USA", "item-1");
    item.SetStatus(known == Known::Running ? folder::InProgress : finishedStatus, true);
    item.SetFolderId(300);
    item.SetSellerId("oldseller");
    item.SetStartDate("2/1/2023 9:00:00 AM");
    item.SetEndDate("2/2/2023 9:00:00 AM");
    item.SetAuctionType("Old type");
    item.SetDescription("old description");
    item.SetBuyerId("oldbuyer");
    item.SetShippingAddress("Old Town");
    item.SetEmail("old@example.test");
    item.SetRating("7");
    item.SetUpdated("2/1/2023 8:00:00 AM");
    item.SetMoneyValue(field::MinBid, Dollars(1));
    item.SetMoneyValue(field::MaxBid, Dollars(2));
    item.SetMoneyValue(field::FinalFee, Dollars(0, 20));
    item.SetItemNote("item note");
    item.SetPaymentMethod("Cheque");
    item.SetMoneyValue(field::ShipCost, Dollars(4));
    item.SetMoneyValue(field::ItemCost, Dollars(3));
    item.AddCategory(152);
    item.AddItemizedCharge(3);
    return item;
}

// The item after the row: a new one, or `knownItem` updated.
CAucItem Merge(Known known, const RetrievedRow& row, CAucItem knownItem, std::int32_t hours = 0) {
    const gb::FixedClock clock(kNow);
    const gb::ScopedClock scoped(clock);
    const RowMerge merge("eBay USA", row, 250, hours);
    if (known == Known::New) {
        CAucItem item = merge.NewItem();
        merge.Apply(item, true);
        return item;
    }
    merge.Apply(knownItem, false);
    return knownItem;
}

CAucItem Merge(Known known, const RetrievedRow& row, std::int32_t finishedStatus) {
    return Merge(known, row, KnownItem(known, finishedStatus));
}

CAucItem Merge(Known known, const RetrievedRow& row) {
    return Merge(known, row, KnownItem(known));
}

gb::Money MoneyOf(const CAucItem& item, int fieldId) {
    return *item.GetMoneyValue(fieldId);
}

gb::DateTime DateOf(const CAucItem& item, int fieldId) {
    return *item.GetDateValue(fieldId);
}

RetrievedRow Row(std::string_view completion, std::string_view bidder = "buyer1") {
    RetrievedRow row = RunningRow("ITEM-1");
    row.completion = completion;
    row.bidder = bidder;
    return row;
}

RetrievedRow StoreLengthRow(std::string_view completion, std::string_view bidder = "buyer1") {
    RetrievedRow row = Row(completion, bidder);
    row.end = "3/31/2023 10:00:00 AM";
    return row;
}

RetrievedRow FixedPriceRow(std::string_view auctionType = "Fixed Price") {
    RetrievedRow row = Row("*");
    row.auctionType = auctionType;
    return row;
}

TEST(RowMergeFields, KeyAndDatesAreSetInEveryCase) {
    for (const Known known : {Known::New, Known::Running, Known::Finished}) {
        const CAucItem item = Merge(known, Row("N"));
        EXPECT_EQ(item.GetSite(), "eBay USA") << NameOf(known);
        EXPECT_EQ(item.GetStorageFolder(), 250) << NameOf(known);
        EXPECT_EQ(item.GetSellerId(), "seller1") << NameOf(known);
        EXPECT_EQ(item.GetAuctionId(), "ITEM-1") << NameOf(known);
        EXPECT_EQ(DateOf(item, field::StartDate), gb::DateTime::FromCivil(2023, 3, 1, 10))
            << NameOf(known);
        EXPECT_EQ(DateOf(item, field::EndTime), gb::DateTime::FromCivil(2023, 3, 8, 10))
            << NameOf(known);
    }
}

TEST(RowMergeFields, OnlyTheEndDateMovesIntoTheSellersTimeZone) {
    RetrievedRow row = Row("N");
    row.start = "3/1/2023 6:00:00 PM";
    row.end = "3/8/2023 6:00:00 PM";
    for (const Known known : {Known::New, Known::Running, Known::Finished}) {
        const CAucItem item = Merge(known, row, KnownItem(known), -3);
        EXPECT_EQ(DateOf(item, field::StartDate), gb::DateTime::FromCivil(2023, 3, 1, 18));
        EXPECT_EQ(DateOf(item, field::EndTime), gb::DateTime::FromCivil(2023, 3, 8, 15));
    }
}

struct TextCase {
    Known known;
    RetrievedRow row;
    std::string expected;
};

TEST(RowMergeFields, AuctionTypeIsSetForNewItemsOnly) {
    const TextCase cases[] = {
        {Known::New, Row("N"), "Auction"},
        {Known::New, StoreLengthRow("N"), "Store"},
        {Known::Running, StoreLengthRow("N"), "Old type"},
        {Known::Finished, Row("*"), "Old type"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(Merge(c.known, c.row).GetAuctionType(), c.expected) << NameOf(c.known);
    }
}

TEST(RowMergeFields, StoreFlagIsSetByTheTwelveDayTestForNewItemsOnly) {
    RetrievedRow almostTwelveDays = Row("N");
    almostTwelveDays.end = "3/13/2023 9:00:00 AM";  // 11 days 23 hours
    RetrievedRow twelveDays = Row("N");
    twelveDays.end = "3/13/2023 10:00:00 AM";
    RetrievedRow noStart = StoreLengthRow("N");
    noStart.start = "";
    CAucItem storeItem = KnownItem(Known::Running);
    storeItem.SetStoreItem(true);

    struct Case {
        Known known;
        RetrievedRow row;
        CAucItem item;
        bool expected;
    };
    const Case cases[] = {
        {Known::New, Row("N"), {}, false},
        {Known::New, StoreLengthRow("N"), {}, true},
        {Known::New, almostTwelveDays, {}, false},
        {Known::New, twelveDays, {}, true},
        {Known::New, noStart, {}, false},
        {Known::Running, StoreLengthRow("N"), KnownItem(Known::Running), false},
        {Known::Running, Row("N"), storeItem, true},
        {Known::Finished, StoreLengthRow("*"), KnownItem(Known::Finished), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Merge(c.known, c.row, c.item).IsStoreItem(), c.expected)
            << NameOf(c.known) << ", end " << c.row.end;
    }
}

TEST(RowMergeFields, BuyerDataAndUpdatedAreSetWhileTheStatusIs102) {
    for (const Known known : {Known::New, Known::Running}) {
        const CAucItem item = Merge(known, Row("N"));
        EXPECT_EQ(item.GetDescription(), "Brass compass") << NameOf(known);
        EXPECT_EQ(item.GetBuyerId(), "buyer1");
        EXPECT_EQ(item.GetShippingAddress(), "Springfield");
        EXPECT_EQ(item.GetEmail(), "buyer1@example.test");
        std::int32_t rating = 0;
        std::string text;
        item.GetRating(text, &rating);
        EXPECT_EQ(rating, 42);
        EXPECT_EQ(DateOf(item, field::Updated), kNow);
    }
    const CAucItem finished = Merge(Known::Finished, Row("N"));
    EXPECT_EQ(finished.GetDescription(), "old description");
    EXPECT_EQ(finished.GetBuyerId(), "oldbuyer");
    EXPECT_EQ(finished.GetShippingAddress(), "Old Town");
    EXPECT_EQ(finished.GetEmail(), "old@example.test");
    EXPECT_EQ(DateOf(finished, field::Updated), kOldUpdate);

    RetrievedRow noRating = Row("N");
    noRating.rating = "private";
    std::string text;
    Merge(Known::Running, noRating).GetRating(text);
    EXPECT_EQ(text, "7");
}

TEST(RowMergeFields, PriceGoesToTheMaxBidWithABidderAndToTheMinBidWithout) {
    struct Case {
        Known known;
        const char* bidder;
        gb::Money minBid;
        gb::Money maxBid;
    };
    const Case cases[] = {
        {Known::New, "buyer1", Dollars(0), Dollars(12, 50)},
        {Known::New, "", Dollars(12, 50), Dollars(0)},
        {Known::Running, "buyer1", Dollars(1), Dollars(12, 50)},
        {Known::Running, "", Dollars(12, 50), Dollars(2)},
        {Known::Finished, "buyer1", Dollars(1), Dollars(2)},
        {Known::Finished, "", Dollars(1), Dollars(2)},
    };
    for (const Case& c : cases) {
        const CAucItem item = Merge(c.known, Row("N", c.bidder));
        EXPECT_EQ(MoneyOf(item, field::MinBid), c.minBid) << NameOf(c.known) << c.bidder;
        EXPECT_EQ(MoneyOf(item, field::MaxBid), c.maxBid) << NameOf(c.known) << c.bidder;
    }
}

TEST(RowMergeFields, InsertionFeeIsSetWithoutABidderUntilValidAndForFixedPriceSales) {
    CAucItem runningWithFee = KnownItem(Known::Running);
    runningWithFee.SetMoneyValue(field::InsertionFee, Dollars(0, 10));
    RetrievedRow storeFixedPrice = FixedPriceRow();
    storeFixedPrice.end = "3/31/2023 10:00:00 AM";

    struct Case {
        const char* name;
        Known known;
        RetrievedRow row;
        CAucItem item;
        gb::Money expected;
    };
    const Case cases[] = {
        {"no bidder", Known::New, Row("N", ""), {}, Dollars(0, 35)},
        {"store, no bidder", Known::New, StoreLengthRow("N", ""), {}, Dollars(0, 2)},
        {"bidder", Known::New, Row("N"), {}, gb::Money::Null()},
        {"fixed-price sale", Known::New, FixedPriceRow(), {}, Dollars(0, 35)},
        {"store fixed-price sale", Known::New, storeFixedPrice, {}, Dollars(0, 2)},
        {"no bidder, no fee yet", Known::Running, Row("N", ""), KnownItem(Known::Running),
         Dollars(0, 35)},
        {"no bidder, fee valid", Known::Running, Row("N", ""), runningWithFee, Dollars(0, 10)},
        {"bidder", Known::Running, Row("N"), KnownItem(Known::Running), gb::Money::Null()},
        {"fixed-price sale", Known::Running, FixedPriceRow(), KnownItem(Known::Running),
         gb::Money::Null()},
        {"no bidder", Known::Finished, Row("N", ""), KnownItem(Known::Finished), gb::Money::Null()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MoneyOf(Merge(c.known, c.row, c.item), field::InsertionFee), c.expected)
            << NameOf(c.known) << ", " << c.name;
    }
}

TEST(RowMergeFields, FinalFeeIsSetWhenEndedAndSold) {
    CAucItem reserveNotMet = KnownItem(Known::Running);
    reserveNotMet.SetMoneyValue(field::ReserveAmt, Dollars(20));

    struct Case {
        const char* name;
        Known known;
        RetrievedRow row;
        CAucItem item;
        gb::Money expected;
    };
    const Case cases[] = {
        {"ended, sold", Known::New, Row("*"), {}, Dollars(0, 66)},
        {"store, ended, sold", Known::New, StoreLengthRow("*"), {}, Dollars(0, 99)},
        {"ended, no bidder", Known::New, Row("*", ""), {}, Dollars(0)},
        {"running, bidder", Known::New, Row("N"), {}, Dollars(0)},
        {"ended, sold", Known::Running, Row("*"), KnownItem(Known::Running), Dollars(0, 66)},
        {"ended, reserve not met", Known::Running, Row("*"), reserveNotMet, Dollars(0, 20)},
        {"ended, sold", Known::Finished, Row("*"), KnownItem(Known::Finished), Dollars(0, 20)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MoneyOf(Merge(c.known, c.row, c.item), field::FinalFee), c.expected)
            << NameOf(c.known) << ", " << c.name;
    }
}

TEST(RowMergeFields, UnconfirmedBuyerFormOnlyForFirstSeenFixedPriceNonStoreSales) {
    RetrievedRow storeFixedPrice = FixedPriceRow();
    storeFixedPrice.end = "3/31/2023 10:00:00 AM";
    RetrievedRow runningFixedPrice = FixedPriceRow();
    runningFixedPrice.completion = "N";

    struct Case {
        const char* name;
        Known known;
        RetrievedRow row;
        const char* expected;
    };
    const Case cases[] = {
        {"ended fixed-price sale", Known::New, FixedPriceRow(), "Store? - buyer1"},
        {"longer type text", Known::New, FixedPriceRow("Fixed Price Item"), "Store? - buyer1"},
        {"store item", Known::New, storeFixedPrice, "buyer1"},
        {"still running", Known::New, runningFixedPrice, "buyer1"},
        {"auction", Known::New, Row("*"), "buyer1"},
        {"ended fixed-price sale", Known::Running, FixedPriceRow(), "buyer1"},
        {"ended fixed-price sale", Known::Finished, FixedPriceRow(), "oldbuyer"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Merge(c.known, c.row).GetBuyerId(), c.expected)
            << NameOf(c.known) << ", " << c.name;
    }
    EXPECT_EQ(MoneyOf(Merge(Known::New, FixedPriceRow()), field::MinBid), Dollars(12, 50));
}

TEST(RowMergeFields, StatusFollowsTheCompletionMarkAndKeepsUserStatuses) {
    struct Case {
        Known known;
        const char* completion;
        std::int32_t before;
        std::int32_t expected;
    };
    const Case cases[] = {
        {Known::New, "N", 0, folder::InProgress},
        {Known::New, "*", 0, folder::NeedsAttention},
        {Known::Running, "N", folder::InProgress, folder::InProgress},
        {Known::Running, "*", folder::InProgress, folder::NeedsAttention},
        {Known::Finished, "N", folder::NeedsAttention, folder::InProgress},
        {Known::Finished, "N", 151, folder::InProgress},
        {Known::Finished, "*", folder::NeedsAttention, folder::NeedsAttention},
        {Known::Finished, "*", 149, folder::NeedsAttention},
        {Known::Finished, "*", folder::FirstUserFolder, folder::FirstUserFolder},
        {Known::Finished, "*", 151, 151},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Merge(c.known, Row(c.completion), c.before).GetStatus(), c.expected)
            << NameOf(c.known) << ", " << c.completion << ", status " << c.before;
    }
}

TEST(RowMergeFields, CompletionMarkUDecidesByTheEndDate) {
    struct Case {
        const char* completion;
        const char* end;
        bool ended;
    };
    const Case cases[] = {
        {"*", "3/8/2023 10:00:00 AM", true}, {"N", "3/4/2023 10:00:00 AM", false},
        {"", "3/4/2023 10:00:00 AM", false}, {"U", "3/8/2023 10:00:00 AM", false},
        {"U", "3/4/2023 10:00:00 AM", true}, {"U", "", true},
        {"U", "not a date", true},           {"U", "3/5/2023 12:00:00 PM", true},  // ends now
    };
    for (const Case& c : cases) {
        RetrievedRow row = Row(c.completion);
        row.end = c.end;
        EXPECT_EQ(Merge(Known::New, row).GetStatus(),
                  c.ended ? folder::NeedsAttention : folder::InProgress)
            << "'" << c.completion << "', end " << c.end;
    }
}

TEST(RowMergeFields, EverythingElseKeepsItsValueOrDefault) {
    const CAucItem defaults;
    for (const Known known : {Known::New, Known::Running, Known::Finished}) {
        const CAucItem before = known == Known::New ? defaults : KnownItem(known);
        const CAucItem item = Merge(known, Row("*"), before);
        EXPECT_EQ(item.GetItemNote(), before.GetItemNote()) << NameOf(known);
        EXPECT_EQ(item.GetPaymentMethod(), before.GetPaymentMethod()) << NameOf(known);
        EXPECT_EQ(MoneyOf(item, field::ShipCost), MoneyOf(before, field::ShipCost));
        EXPECT_EQ(MoneyOf(item, field::ItemCost), MoneyOf(before, field::ItemCost));
        EXPECT_EQ(MoneyOf(item, field::ReserveAmt), MoneyOf(before, field::ReserveAmt));
        EXPECT_EQ(MoneyOf(item, field::AmtReceived), MoneyOf(before, field::AmtReceived));
        EXPECT_TRUE(std::ranges::equal(item.GetCategories(), before.GetCategories()));
        EXPECT_EQ(item.HasItemizedCharge(3), before.HasItemizedCharge(3));
    }
}

}  // namespace
