#pragma once
// The figures of the Instant Summary over one set of item totals: for the
// items with bids, those without and all of them the count, item cost and
// minimum bid; then what the items bring in and what they cost, with the
// totals worked out from those. Amounts are in the user's currency format.

#include <span>
#include <string>

#include "itemdb/ItemList.h"
#include "itemdb/ItemTotals.h"

namespace gb::app {

// One row of the "Totals" group.
struct SummaryRow {
    std::string count;
    std::string itemCost;
    std::string minBid;

    bool operator==(const SummaryRow&) const = default;
};

struct SummaryFigures {
    SummaryRow bids;
    SummaryRow noBids;
    SummaryRow all;

    // Receivables.
    std::string maxBids;        // items with bids
    std::string shCharges;      // items with bids
    std::string otherCharges;   // all items
    std::string totalInvoiced;  // max bid + S&H charge + other charges of the items with bids
    std::string received;       // all items
    std::string profit;         // received less the total expense

    // Expenses.
    std::string itemCost;       // items with bids
    std::string totalShipping;  // ship and insurance cost of the items with bids
    std::string insertionFees;  // all items
    std::string finalFees;      // items with bids
    std::string otherFees;      // all items
    std::string transFees;      // all items
    std::string totalExpense;   // every expense above

    bool operator==(const SummaryFigures&) const = default;
};

// The worked-out totals add only the amounts that are valid; a total whose
// own amount is not valid shows as the currency format shows such an amount.
SummaryFigures CalculateSummary(const gb::itemdb::CItemTotals& totals);

// What the summary shows first: a single item or none is no selection worth
// summing, so the current folder.
enum class SummaryScope { CurrentFolder, SelectedItems };
SummaryScope InitialSummaryScope(const gb::itemdb::CItemTotals& selected);

// The totals of the items at the given display positions; a position that
// finds no item is left out.
gb::itemdb::CItemTotals SelectionTotals(
    const gb::itemdb::CItemList& items,
    std::span<const gb::itemdb::CItemList::ItemId> selection);

}  // namespace gb::app
