#pragma once
// A site's eight URL templates: as data (scheme, server, path and query), and
// resolved into absolute URLs with the host names in use.

#include <cstdint>
#include <string>
#include <string_view>

#include "sites/SiteServers.h"

namespace gb::sites {

enum class UrlScheme { Http, Https };

// One absolute URL template; an empty path stands for a site without the page.
struct UrlTemplate {
    UrlScheme scheme = UrlScheme::Http;
    SiteServer server = SiteServer::Listing;
    std::string_view path;
};

struct SiteUrlTemplates {
    UrlTemplate listingWithEmails;  // seller's listing with buyers' e-mails; used with a password
    UrlTemplate publicListing;      // seller's public listing; used without a password
    UrlTemplate signIn;
    UrlTemplate adultSignIn;
    UrlTemplate viewItem;       // holds "$ITEM_NUM$"
    UrlTemplate viewBids;       // holds "$ITEM_NUM$"
    UrlTemplate leaveFeedback;  // holds "$SELLER_ID$", "$BUYER_ID$", "$ITEM_NUM$"
    UrlTemplate bidderEmails;   // holds "$ITEM_NUM$"
};

// The templates as absolute URLs, tokens kept.
struct SiteUrls {
    std::string listingWithEmails;
    std::string publicListing;
    std::string signIn;
    std::string adultSignIn;
    std::string viewItem;
    std::string viewBids;
    std::string leaveFeedback;
    std::string bidderEmails;

    static SiteUrls Resolve(const SiteUrlTemplates& templates, const SiteServers& servers,
                            const HostLookup& lookup);

    // The listing page `page` of the last `days` days for `userId`: the
    // template with e-mails when the seller has a password, else the public one.
    std::string ListingUrl(std::string_view userId, bool hasPassword, std::int32_t page,
                           std::uint16_t days) const;

    // The item's page: the view-item template with "$ITEM_NUM$" filled in.
    std::string ItemUrl(std::string_view item) const;
};

}  // namespace gb::sites
