#include "app/core/summary/SummaryFigures.h"

#include "itemdb/TextHelpers.h"
#include "platform/MoneySum.h"

namespace gb::app {

using gb::itemdb::CItemTotals;

namespace {

using Getter = bool (CItemTotals::*)(std::string&, gb::Money*) const;

// The totals of one class of items: those with bids, those without, or all.
class ClassTotals {
public:
    ClassTotals(const CItemTotals& totals, CItemTotals::Selection selection) : totals_(totals) {
        totals_.SetSelector(selection);
    }

    std::string Text(Getter getter) const {
        std::string text;
        (totals_.*getter)(text, nullptr);
        return text;
    }
    gb::Money Value(Getter getter) const {
        std::string text;
        gb::Money value = gb::Money::Null();
        (totals_.*getter)(text, &value);
        return value;
    }
    SummaryRow Row() const {
        return {totals_.GetCountText(), Text(&CItemTotals::GetItemCost),
                Text(&CItemTotals::GetMinBid)};
    }

private:
    CItemTotals totals_;
};

std::string CurrencyText(const gb::Money& amount) {
    std::string text;
    gb::itemdb::FormatCurrencyOrUnknown(text, amount);
    return text;
}

}  // namespace

SummaryFigures CalculateSummary(const CItemTotals& totals) {
    const ClassTotals bids(totals, CItemTotals::Successful);
    const ClassTotals noBids(totals, CItemTotals::Unsuccessful);
    const ClassTotals all(totals, CItemTotals::All);

    SummaryFigures figures;
    figures.bids = bids.Row();
    figures.noBids = noBids.Row();
    figures.all = all.Row();

    figures.maxBids = bids.Text(&CItemTotals::GetMaxBid);
    figures.shCharges = bids.Text(&CItemTotals::GetSHCharge);
    figures.otherCharges = all.Text(&CItemTotals::GetOtherCharges);
    figures.received = all.Text(&CItemTotals::GetAmtReceived);

    figures.itemCost = bids.Text(&CItemTotals::GetItemCost);
    figures.insertionFees = all.Text(&CItemTotals::GetInsertionFee);
    figures.finalFees = bids.Text(&CItemTotals::GetFinalFee);
    figures.otherFees = all.Text(&CItemTotals::GetOtherFees);
    figures.transFees = all.Text(&CItemTotals::GetTransactionFee);

    const gb::Money shipCost = bids.Value(&CItemTotals::GetShipCost);
    const gb::Money insuranceCost = bids.Value(&CItemTotals::GetInsuranceCost);
    const gb::Money expense = SumOfValid({
        bids.Value(&CItemTotals::GetItemCost),
        shipCost,
        insuranceCost,
        all.Value(&CItemTotals::GetInsertionFee),
        all.Value(&CItemTotals::GetOtherFees),
        bids.Value(&CItemTotals::GetFinalFee),
        all.Value(&CItemTotals::GetTransactionFee),
    });
    figures.totalShipping = CurrencyText(SumOfValid({shipCost, insuranceCost}));
    figures.totalExpense = CurrencyText(expense);
    figures.totalInvoiced = CurrencyText(SumOfValid({
        bids.Value(&CItemTotals::GetMaxBid),
        bids.Value(&CItemTotals::GetSHCharge),
        bids.Value(&CItemTotals::GetOtherCharges),
    }));
    // Money arithmetic keeps a received amount that is not valid so.
    figures.profit = CurrencyText(all.Value(&CItemTotals::GetAmtReceived) - expense);
    return figures;
}

SummaryScope InitialSummaryScope(const CItemTotals& selected) {
    CItemTotals all = selected;
    all.SetSelector(CItemTotals::All);
    return all.GetCount() < 2 ? SummaryScope::CurrentFolder : SummaryScope::SelectedItems;
}

CItemTotals SelectionTotals(const gb::itemdb::CItemList& items,
                            std::span<const gb::itemdb::CItemList::ItemId> selection) {
    CItemTotals totals;
    for (const gb::itemdb::CItemList::ItemId& position : selection) {
        // A none position would name the list's cursor, not a selected row.
        const gb::itemdb::CAucItem* item = position.IsNone() ? nullptr : items.GetItemAt(position);
        if (item != nullptr) {
            totals.AddItem(*item);
        }
    }
    return totals;
}

}  // namespace gb::app
