#pragma once
// One item a seller has listed on an emulated site, as the site's pages show it.

#include <optional>
#include <string>

#include "platform/DateTime.h"
#include "platform/Money.h"

namespace gb::emulator {

enum class SaleKind {
    Auction,
    FixedPrice,  // a sale at a fixed price; shown with its buyer's page
    Dutch,       // several of a kind at one price
};

struct EmulatedBuyer {
    std::string userId;
    std::string rating;
    std::string email;     // empty: the site shows none
    std::string location;  // the buyer page's location cell
};

struct EmulatedItem {
    std::string number;  // the auction number
    std::string title;   // Windows-1252 text; the pages escape it
    SaleKind kind = SaleKind::Auction;
    DateTime start;  // as the site shows them: in the site's own time
    DateTime end;    // the item has ended once this is past
    Money price;     // current or final price
    // The high bidder, or the buyer of a fixed-price sale; none: no bids.
    std::optional<EmulatedBuyer> buyer;
    int quantityLeft = 0;  // Dutch auctions
};

}  // namespace gb::emulator
