#pragma once
// The Invoice page of the item sheet: the buyer, the amounts that make up
// the invoice and the auction's dates.

#include <optional>
#include <string>

#include "itemdb/AucItem.h"

namespace gb::app {

struct InvoicePageTexts {
    std::string buyerId;
    std::string email;
    std::string rating;
    std::string maxBid;
    std::string shCharge;
    std::string otherCharges;
    std::string invoiceAmt;
    std::string startDate;
    std::string endDate;
    std::string endTime;  // the time of day of the end date
    std::string invoiceNote;

    static InvoicePageTexts Read(const itemdb::CAucItem& item);
    // Buyer ID, e-Mail, Max Bid, S&H Charge, Invoice Note and Rating in this
    // order, stopping at the first that fails.
    std::optional<std::string> Store(itemdb::CAucItem& item) const;
};

}  // namespace gb::app
