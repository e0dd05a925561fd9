#include "itemdb/ItemTotals.h"

#include <gtest/gtest.h>

#include <string>

#include "ItemListTestItems.h"
#include "itemdb/AucItem.h"
#include "itemdb/FieldId.h"

using namespace gb::itemdb;

namespace {

using TotalGetter = bool (CItemTotals::*)(std::string&, gb::Money*) const;

struct Getter {
    int fieldId;
    TotalGetter get;
};

const Getter kGetters[] = {
    {field::ItemCost, &CItemTotals::GetItemCost},
    {field::OtherCharges, &CItemTotals::GetOtherCharges},
    {field::OtherFees, &CItemTotals::GetOtherFees},
    {field::TransactionFee, &CItemTotals::GetTransactionFee},
    {field::MaxBid, &CItemTotals::GetMaxBid},
    {field::MinBid, &CItemTotals::GetMinBid},
    {field::FinalFee, &CItemTotals::GetFinalFee},
    {field::InsertionFee, &CItemTotals::GetInsertionFee},
    {field::TotalFees, &CItemTotals::GetTotalFees},
    {field::InsuranceCost, &CItemTotals::GetInsuranceCost},
    {field::AmtReceived, &CItemTotals::GetAmtReceived},
    {field::InvoiceAmt, &CItemTotals::GetInvoiceAmt},
    {field::ShipCost, &CItemTotals::GetShipCost},
    {field::SHCharge, &CItemTotals::GetSHCharge},
};

gb::Money Total(const CItemTotals& totals, TotalGetter get) {
    std::string text;
    gb::Money value;
    (totals.*get)(text, &value);
    return value;
}

// An item with a different amount in every money field: field ID n holds n cents.
CAucItem EveryAmountItem() {
    CAucItem item;
    for (int id = field::First; id <= field::Last; ++id) {
        item.SetMoneyValue(id, Dollars(0, id));
    }
    return item;
}

CAucItem SoldItem() {
    CAucItem item;
    item.SetBuyerId("buyer");
    item.SetMoneyValue(field::ReserveAmt, Dollars(50));
    item.SetMoneyValue(field::MaxBid, Dollars(50));
    return item;
}

TEST(ItemTotalsReset, ShowsZeroEverywhere) {
    CItemTotals totals;
    totals.AddItem(EveryAmountItem());
    totals.Reset();
    for (const Getter& g : kGetters) {
        std::string text;
        gb::Money value = gb::Money::Null();
        EXPECT_TRUE((totals.*g.get)(text, &value)) << g.fieldId;
        EXPECT_EQ(text, "$0.00") << g.fieldId;
        EXPECT_EQ(value, gb::Money()) << g.fieldId;
    }
    EXPECT_EQ(totals.GetCountText(), "0");
    EXPECT_EQ(totals, CItemTotals());
}

TEST(ItemTotalsAdd, SumsTheTwelveFieldsAndTheirComputedColumns) {
    CItemTotals totals;
    totals.AddItem(EveryAmountItem());
    totals.AddItem(EveryAmountItem());
    for (const Getter& g : kGetters) {
        gb::Money expected = Dollars(0, 2 * g.fieldId);
        if (g.fieldId == field::InvoiceAmt) {
            expected = Dollars(0, 2 * (field::MaxBid + field::SHCharge + field::OtherCharges));
        } else if (g.fieldId == field::TotalFees) {
            expected = Dollars(0, 2 * (field::InsertionFee + field::FinalFee + field::OtherFees +
                                       field::TransactionFee));
        }
        EXPECT_EQ(Total(totals, g.get), expected) << g.fieldId;
    }
    EXPECT_EQ(totals.GetCountText(), "2");
}

TEST(ItemTotalsAdd, CountsANullAmountAsNothing) {
    CItemTotals totals;
    CAucItem item;
    item.SetFinalFee("2.00");
    ASSERT_TRUE(item.GetMoneyValue(field::InsertionFee)->IsNull());
    totals.AddItem(item);
    EXPECT_EQ(Total(totals, &CItemTotals::GetFinalFee), Dollars(2));
    EXPECT_EQ(Total(totals, &CItemTotals::GetInsertionFee), Dollars(0));
    item.SetMoneyValue(field::ShipCost, gb::Money::Invalid());
    totals.AddItem(item);
    EXPECT_EQ(Total(totals, &CItemTotals::GetShipCost), Dollars(0));
}

TEST(ItemTotalsRemove, RestoresEveryTotalAndCount) {
    CItemTotals totals;
    totals.AddItem(SoldItem());
    const CItemTotals before = totals;
    totals.AddItem(EveryAmountItem());
    totals.AddItem(SoldItem());
    totals.RemoveItem(SoldItem());
    totals.RemoveItem(EveryAmountItem());
    EXPECT_EQ(totals, before);
}

TEST(ItemTotalsSelector, ReportsTheChosenClass) {
    CItemTotals totals;
    CAucItem unsold = SoldItem();
    unsold.SetBuyerId("");
    CAucItem reserveNotMet = SoldItem();
    reserveNotMet.SetMoneyValue(field::MaxBid, Dollars(49, 99));
    totals.AddItem(SoldItem());
    totals.AddItem(unsold);
    totals.AddItem(reserveNotMet);

    struct Case {
        std::int32_t selector;
        const char* count;
        gb::Money maxBid;
    };
    const Case cases[] = {
        {CItemTotals::Successful, "1", Dollars(50)},
        {CItemTotals::Unsuccessful, "2", Dollars(99, 99)},
        {CItemTotals::All, "3", Dollars(149, 99)},
        {7, "3", Dollars(149, 99)},
    };
    for (const Case& c : cases) {
        totals.SetSelector(c.selector);
        EXPECT_EQ(totals.GetCountText(), c.count) << c.selector;
        EXPECT_EQ(Total(totals, &CItemTotals::GetMaxBid), c.maxBid) << c.selector;
    }
}

TEST(ItemTotalsAccumulate, AddsToOneClassWithoutCounting) {
    CItemTotals totals;
    totals.Accumulate(SoldItem(), CItemTotals::Unsuccessful, false);
    totals.SetSelector(CItemTotals::Unsuccessful);
    EXPECT_EQ(Total(totals, &CItemTotals::GetMaxBid), Dollars(50));
    EXPECT_EQ(totals.GetCount(), 0);
    totals.Accumulate(SoldItem(), CItemTotals::Unsuccessful, true);
    EXPECT_EQ(Total(totals, &CItemTotals::GetMaxBid), Dollars(0));
    totals.SetSelector(CItemTotals::All);
    EXPECT_EQ(Total(totals, &CItemTotals::GetMaxBid), Dollars(0));
}

TEST(ItemTotalsOverflow, ShowsUnknownForATotalThatNoLongerFits) {
    CItemTotals totals;
    CAucItem huge;
    huge.SetMoneyValue(field::ItemCost, gb::Money::FromUnits(INT64_MAX));
    totals.AddItem(huge);
    totals.AddItem(huge);
    std::string text;
    EXPECT_FALSE(totals.GetItemCost(text));
    EXPECT_EQ(text, "Unknown");
}

TEST(ItemTotalsColumnTotal, GivesTheGettersTextForColumnsWithATotalOnly) {
    CItemTotals totals;
    totals.AddItem(EveryAmountItem());
    for (const Getter& g : kGetters) {
        std::string fromGetter;
        std::string column;
        (totals.*g.get)(fromGetter, nullptr);
        EXPECT_TRUE(totals.GetColumnTotal(g.fieldId, column)) << g.fieldId;
        EXPECT_EQ(column, fromGetter) << g.fieldId;
    }
    for (const int other : {field::ReserveAmt, field::AuctionId, field::Rating, 0}) {
        std::string column = "stale";
        EXPECT_FALSE(totals.GetColumnTotal(other, column)) << other;
        EXPECT_EQ(column, "") << other;
    }
}

}  // namespace
