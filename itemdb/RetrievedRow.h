#pragma once
// One listing row as a site object reports it in its UpdateRow event, copied
// into owned texts so that it can travel from the retrieval thread to the
// user-interface thread, where the item list merges it. Dates and amounts are
// texts in the form the user's default locale reads.

#include <string>

namespace gb::itemdb {

struct RetrievedRow {
    std::string seller;              // the seller ID
    std::string item;                // the item number: the auction ID
    std::string start;               // start date and time
    std::string end;                 // end date and time, in the site's time zone
    std::string price;               // current or final price
    std::string description;         // the title
    std::string bidder;              // high bidder or buyer; empty when nobody bid
    std::string email;               // the bidder's e-mail address
    std::string rating;              // the bidder's feedback rating
    std::string fees;                // insertion fee
    std::string commission;          // final-value fee
    std::string storeInsertionFee;   // insertion fee under the site's store rules
    std::string storeFinalValueFee;  // final-value fee under the store rules
    std::string auctionType;         // listing format as the site shows it
    std::string buyerLocation;       // the bidder's location
    std::string completion;          // "*" ended, "N" running, "U" decided by the end date
};

}  // namespace gb::itemdb
