// The Instant Summary's figures over a folder of known items: each amount
// from the right class of items, the worked-out totals from the valid amounts
// only, and the scope the summary opens on.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "app/core/summary/SummaryFigures.h"
#include "itemdb/AucItem.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"
#include "itemdb/ItemTotals.h"
#include "tests/app/summary/KnownItems.h"

using gb::app::CalculateSummary;
using gb::app::SummaryFigures;
using gb::app::SummaryRow;
using gb::app::SummaryScope;
using namespace gb::itemdb;

namespace {

using known_items::Item;

CItemTotals KnownFolder() {
    CItemTotals totals;
    for (const CAucItem& item : known_items::Folder()) {
        totals.AddItem(item);
    }
    return totals;
}

TEST(SummaryFigures, AKnownFolderGivesEachFigureFromItsClassOfItems) {
    const SummaryFigures figures = CalculateSummary(KnownFolder());
    EXPECT_EQ(figures.bids, (SummaryRow{"2", "$15.00", "$3.00"}));
    EXPECT_EQ(figures.noBids, (SummaryRow{"1", "$7.00", "$9.99"}));
    EXPECT_EQ(figures.all, (SummaryRow{"3", "$22.00", "$12.99"}));

    EXPECT_EQ(figures.maxBids, "$70.00");
    EXPECT_EQ(figures.shCharges, "$12.00");
    // Other charges of all items, but only those of the items with bids are invoiced.
    EXPECT_EQ(figures.otherCharges, "$5.00");
    EXPECT_EQ(figures.totalInvoiced, "$84.00");
    EXPECT_EQ(figures.received, "$84.00");

    // The unsold item's cost is no expense; its insertion and other fees are.
    EXPECT_EQ(figures.itemCost, "$15.00");
    EXPECT_EQ(figures.totalShipping, "$10.50");
    EXPECT_EQ(figures.insertionFees, "$1.25");
    EXPECT_EQ(figures.finalFees, "$3.50");
    EXPECT_EQ(figures.otherFees, "$0.65");
    EXPECT_EQ(figures.transFees, "$2.65");
    EXPECT_EQ(figures.totalExpense, "$33.55");
    EXPECT_EQ(figures.profit, "$50.45");
}

TEST(SummaryFigures, NoItemsShowZeroAndALossShowsNegative) {
    const SummaryFigures empty = CalculateSummary(CItemTotals());
    EXPECT_EQ(empty.all, (SummaryRow{"0", "$0.00", "$0.00"}));
    EXPECT_EQ(empty.totalExpense, "$0.00");
    EXPECT_EQ(empty.profit, "$0.00");

    CItemTotals unsold;
    unsold.AddItem(Item("1", false, {.insertionFee = "0.35"}));
    EXPECT_EQ(CalculateSummary(unsold).profit, "($0.35)");
}

TEST(SummaryFigures, TotalsThatAreNotValidAreLeftOutAndMakeProfitUnknown) {
    // Two received amounts and two item costs that together overflow.
    const gb::Money huge = gb::Money::FromUnits(std::numeric_limits<std::int64_t>::max());
    CItemTotals totals;
    for (const char* id : {"1", "2"}) {
        CAucItem item = Item(id, true, {.maxBid = "1", .insertionFee = "1", .finalFee = "2"});
        item.SetMoneyValue(field::AmtReceived, huge);
        item.SetMoneyValue(field::ItemCost, huge);
        totals.AddItem(item);
    }
    const SummaryFigures figures = CalculateSummary(totals);
    EXPECT_EQ(figures.itemCost, "Unknown");
    EXPECT_EQ(figures.totalExpense, "$6.00");
    EXPECT_EQ(figures.received, "Unknown");
    EXPECT_EQ(figures.profit, "Unknown");
}

TEST(SummaryFigures, OpensOnTheSelectionOnlyWhenAtLeastTwoItemsAreSelected) {
    const CAucItem sold = Item("1", true, {});
    const CAucItem unsold = Item("2", false, {});
    CItemTotals selected;
    EXPECT_EQ(gb::app::InitialSummaryScope(selected), SummaryScope::CurrentFolder);
    selected.AddItem(sold);
    EXPECT_EQ(gb::app::InitialSummaryScope(selected), SummaryScope::CurrentFolder);
    // One of each class: the count is over all items whatever the selector.
    selected.AddItem(unsold);
    selected.SetSelector(CItemTotals::Successful);
    EXPECT_EQ(gb::app::InitialSummaryScope(selected), SummaryScope::SelectedItems);
}

TEST(SummaryFigures, SelectionTotalsAddTheItemsTheSelectedPositionsFind) {
    CItemList items;
    items.AddItem(Item("1", true, {.maxBid = "5"}), folder::AuctionEnded);
    items.AddItem(Item("2", true, {.maxBid = "7"}), folder::AuctionEnded);
    items.SetFilter(CItemFilter());
    std::vector<CItemList::ItemId> selection;
    for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
        selection.push_back(items.GetCurrentId());
    }
    ASSERT_EQ(selection.size(), 2u);
    // A none position names no row, so adds nothing.
    selection.push_back(CItemList::ItemId());
    const CItemTotals totals = gb::app::SelectionTotals(items, {selection.data() + 1, 2});
    EXPECT_EQ(totals.GetCount(), 1);
    EXPECT_EQ(CalculateSummary(totals).maxBids, "$7.00");
}

}  // namespace
