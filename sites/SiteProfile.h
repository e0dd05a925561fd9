#pragma once
// The data that sets one auction site class apart from the others: its names,
// servers, URL templates, how it writes dates and prices, and its fee
// schedules. The nine site classes share one implementation and differ only in
// their profile.

#include <span>
#include <string>
#include <string_view>

#include "sites/DateFormat.h"
#include "sites/PriceFormat.h"
#include "sites/SiteFees.h"
#include "sites/SiteServers.h"
#include "sites/SiteUrls.h"

namespace gb::sites {

// The site classes, named after their class names.
enum class SiteClass {
    eBayATR,
    eBayAUS,
    eBayCAN,
    eBayFRN,
    eBayGER,
    eBayNET,
    eBayNZ,
    eBayUK,
    eBayUSA
};

struct SiteProfile {
    SiteClass siteClass;
    std::string_view className;    // "eBayUSA"
    std::string_view displayName;  // "eBay USA"
    const SiteServers& servers;    // New Zealand uses the USA site's
    SiteUrlTemplates urls;
    DateFormat dates;
    PriceFormat prices;
    SiteFees fees;

    // The URL templates with the host names in use.
    SiteUrls ResolveUrls(const HostLookup& lookup) const {
        return SiteUrls::Resolve(urls, servers, lookup);
    }
    bool ParsePrice(std::string& price) const { return prices.ParsePrice(price); }
    bool ParseDate(std::string& date) const { return dates.ParseDate(date); }
};

// The profile of one site class.
const SiteProfile& SiteProfileOf(SiteClass siteClass);

// All nine profiles, in the order of SiteClass.
std::span<const SiteProfile> AllSiteProfiles();

}  // namespace gb::sites
