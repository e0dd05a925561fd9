#pragma once
// Completes an item row from the buyer page of its item (the bidder-e-mails or
// view-bids page). The page's buyer row is the first row that holds
// "ReturnUserEmail"; its second cell holds the buyer ID (first anchor), the
// rating (second anchor) and, after a "<br>", an anchor whose text holds the
// e-mail address in parentheses; its sixth cell holds the buyer's location.

#include <string_view>

#include "sites/SiteRow.h"

namespace gb::sites {

// Takes the buyer's ID, rating, e-mail address and location into `row`. A page
// without a buyer row, such as the empty page, leaves the row as it was.
void ReadBuyerPage(std::string_view page, SiteRow& row);

}  // namespace gb::sites
