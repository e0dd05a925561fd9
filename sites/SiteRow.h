#pragma once
// The current item row of a site object: the 15 texts that UpdateRow carries
// besides the request number, the site's name and the seller ID. Dates, price
// and fees are already in the user's formats.

#include <string>
#include <string_view>

namespace gb::sites {

// Texts of the row that mean something to the site object itself.
inline constexpr std::string_view kAuctionType = "Auction";
inline constexpr std::string_view kFixedPriceType = "Fixed Price";
inline constexpr std::string_view kCompleteMark = "*";
inline constexpr std::string_view kNotCompleteMark = "N";

struct SiteRow {
    std::string item;  // auction number
    std::string desc;  // title
    std::string aucType;
    std::string start;
    std::string end;
    std::string price;
    std::string bidder;  // high bidder or buyer ID
    std::string buyerLocation;
    std::string mail;  // buyer's e-mail address
    std::string rating;
    std::string fees;        // insertion fee
    std::string commission;  // final-value fee
    std::string storeInsertFee;
    std::string storeFVFee;
    std::string complete;  // completion mark

    void Clear() { *this = SiteRow(); }

    // Only a completed fixed-price sale that names its buyer's address has a
    // buyer page to read (compared exactly).
    bool HasBuyerPage() const {
        return aucType == kFixedPriceType && complete == kCompleteMark && !mail.empty();
    }
};

}  // namespace gb::sites
