#pragma once
// The Fees page of the item sheet: the seller fees itemized from the fee
// schedule, the listing's fees and their total.

#include <optional>
#include <span>
#include <string>

#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app {

struct FeePageTexts {
    std::string insertionFee;
    std::string finalFee;
    std::string otherFees;
    std::string transactionFee;  // shown only; the Payment page edits it
    std::string totalFees;
    std::string feeNote;

    static FeePageTexts Read(const itemdb::CAucItem& item);

    // The checked rows changed: Insertion Fee, Final Fee and Fee Note go into
    // the item unchecked, the checked entries become its itemized fees and
    // their total its Other Fees; the fees and the total are read back.
    void RowsChanged(itemdb::CAucItem& item, itemdb::CFeeSchedule& fees,
                     std::span<const int> checkedEntries);

    // Final Fee, Insertion Fee and Other Fees, stopping at the first that does
    // not parse; Fee Note in any case.
    std::optional<std::string> Store(itemdb::CAucItem& item) const;
};

}  // namespace gb::app
