#pragma once
// The Charges page of the item sheet: the buyer charges itemized from the fee
// schedule, and the amounts they add to the invoice.

#include <optional>
#include <span>
#include <string>

#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app {

struct ChargePageTexts {
    std::string auctionType;
    std::string maxBid;
    std::string shCharge;
    std::string otherCharges;
    std::string invoiceAmt;
    std::string chargeNote;

    static ChargePageTexts Read(const itemdb::CAucItem& item);

    // The checked rows changed: the notes go into the item, the checked
    // entries become its itemized charges and their total its Other Charges.
    void RowsChanged(itemdb::CAucItem& item, itemdb::CFeeSchedule& fees,
                     std::span<const int> checkedEntries);

    // Other Charges (the refusal's message when it does not parse); Charge
    // Note and Auction Type in any case.
    std::optional<std::string> Store(itemdb::CAucItem& item) const;
};

}  // namespace gb::app
