#pragma once
// The Payment page of the item sheet: what the buyer paid, when and how, and
// the fee the payment method costs.

#include <optional>
#include <string>
#include <string_view>

#include "app/core/sheet/PickedDate.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app {

struct PayPageTexts {
    std::string buyerId;
    std::string rating;
    std::string invoiceAmt;
    std::string endDate;
    std::string paymentMethod;
    std::string amtReceived;
    std::optional<PickedDate> payDate;
    std::string transactionFee;
    std::string daysToPay;
    std::string payNote;

    static PayPageTexts Read(const itemdb::CAucItem& item);

    // A payment method chosen from the list: an item without an amount
    // received is taken as paid in full (today, unless a pay date is
    // picked), and the Fee becomes the method's transaction fee, or zero when
    // the method has none or the amount received does not parse. The item
    // changes only when the page is left (Store).
    void ChooseMethod(std::string_view method, const itemdb::CAucItem& item,
                      itemdb::CFeeSchedule& fees);

    // The pay date picked or cleared: Days to Pay as it will be with that
    // date. The item changes only when the page is left (Store), so a date
    // picked and then picked back keeps its time of day.
    void PayDateChanged(const itemdb::CAucItem& item);

    // Amt Received, then Transaction Fee, stopping at the first that does not
    // parse; when both parse, the pay date, Payment Method, Buyer ID, Rating
    // (its result ignored) and Pay Note.
    std::optional<std::string> Store(itemdb::CAucItem& item) const;
};

}  // namespace gb::app
