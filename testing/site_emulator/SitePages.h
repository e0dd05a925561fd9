#pragma once
// The pages of one emulated site that show a seller's items: listing pages
// with and without the buyers' e-mail addresses, buyer pages and item pages,
// in the layout and the date and price forms the site's class reads. Links
// point at the emulator.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "EmulatedItem.h"
#include "SiteForms.h"
#include "sites/SiteProfile.h"

namespace gb::emulator {

class SitePages {
public:
    // The pages of `site` whose links go to the emulator at `host`
    // ("127.0.0.1:port").
    SitePages(sites::SiteClass site, std::string_view host);

    // One listing page of `userId`'s items, showing `items` (those of this
    // page), with a link to the next page when `page` is below `pageCount`.
    // The listing with e-mails has a seventh column with the buyers' addresses.
    struct Listing {
        std::string_view userId;
        bool withEmails = false;
        int page = 1;
        int pageCount = 1;
        std::uint16_t days = 0;  // as asked; the next page asks the same
    };
    std::string ListingPage(const Listing& listing, std::span<const EmulatedItem> items,
                            const DateTime& now) const;

    // The page naming an item's buyer: ID, rating, e-mail and location.
    std::string BuyerPage(const EmulatedItem& item) const;

    std::string ItemPage(const EmulatedItem& item) const;

private:
    std::string Row(const EmulatedItem& item, bool withEmails, const DateTime& now) const;
    std::string SaleCell(const EmulatedItem& item, bool ended) const;
    std::string UserAnchors(const EmulatedBuyer& user) const;
    std::string BidsUrl(std::string_view item) const;
    // The buyer's own location, else one of the site's country.
    std::string_view Location(const EmulatedBuyer& buyer) const;

    SiteForms forms_;
    sites::SiteUrls urls_;
    std::string feedbackUrl_;
};

}  // namespace gb::emulator
