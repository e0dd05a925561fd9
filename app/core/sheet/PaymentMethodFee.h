#pragma once
// The transaction fee a payment method costs: the first active transaction-fee
// entry of the fee schedule, in display order, whose name is the method's
// exactly (case counts). Inactive entries are never charged.

#include <optional>
#include <string>
#include <string_view>

#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app {

// The entry's amount for the item; nothing when no active entry has the
// method's name (or the method is empty).
std::optional<std::string> PaymentMethodFee(itemdb::CFeeSchedule& fees,
                                            const itemdb::CAucItem& item, std::string_view method);

}  // namespace gb::app
