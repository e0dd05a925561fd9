#include "sites/SiteUrls.h"

#include "platform/TextTokens.h"

namespace gb::sites {

namespace {

std::string ResolveTemplate(const UrlTemplate& url, const SiteServers& servers,
                            const HostLookup& lookup) {
    if (url.path.empty()) {
        return {};
    }
    std::string resolved = url.scheme == UrlScheme::Https ? "https://" : "http://";
    resolved += ResolveHost(servers, url.server, lookup);
    resolved += url.path;
    return resolved;
}

}  // namespace

SiteUrls SiteUrls::Resolve(const SiteUrlTemplates& templates, const SiteServers& servers,
                           const HostLookup& lookup) {
    const auto resolve = [&](const UrlTemplate& url) {
        return ResolveTemplate(url, servers, lookup);
    };
    return SiteUrls{
        .listingWithEmails = resolve(templates.listingWithEmails),
        .publicListing = resolve(templates.publicListing),
        .signIn = resolve(templates.signIn),
        .adultSignIn = resolve(templates.adultSignIn),
        .viewItem = resolve(templates.viewItem),
        .viewBids = resolve(templates.viewBids),
        .leaveFeedback = resolve(templates.leaveFeedback),
        .bidderEmails = resolve(templates.bidderEmails),
    };
}

std::string SiteUrls::ListingUrl(std::string_view userId, bool hasPassword, std::int32_t page,
                                 std::uint16_t days) const {
    std::string url = hasPassword ? listingWithEmails : publicListing;
    // The templates with e-mails name the seller twice: as seller and as the
    // requested ID.
    ReplaceToken(url, "$USER_ID$", userId);
    ReplaceToken(url, "$USER_ID$", userId);
    ReplaceToken(url, "$PAGENUM$", std::to_string(page));
    ReplaceToken(url, "$DAYS$", std::to_string(days));
    return url;
}

std::string SiteUrls::ItemUrl(std::string_view item) const {
    std::string url = viewItem;
    ReplaceToken(url, "$ITEM_NUM$", item);
    return url;
}

}  // namespace gb::sites
