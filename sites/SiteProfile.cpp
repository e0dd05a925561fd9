#include "sites/SiteProfile.h"

#include <array>

#include "sites/FeeAmount.h"

namespace gb::sites {

namespace {

// ---- Servers: built-in host names, by SiteServer order (listing, sign-in,
// item, offer, feedback).

constexpr SiteServers kAustriaServers{
    "eBayATR",
    {"cgi6.ebay.at", "signin.ebay.at", "cgi.ebay.at", "offer.ebay.at", "feedback.ebay.at"}};
constexpr SiteServers kAustraliaServers{
    "eBayAUS",
    {"cgi6.ebay.com.au", "signin.ebay.com.au", "cgi.ebay.com.au", "offer.ebay.com.au",
     "feedback.ebay.com.au"}};
constexpr SiteServers kCanadaServers{
    "eBayCAN",
    {"cgi6.ebay.ca", "signin.ebay.ca", "cgi.ebay.ca", "offer.ebay.ca", "feedback.ebay.ca"}};
constexpr SiteServers kFranceServers{
    "eBayFRN",
    {"cgi6.ebay.fr", "signin.ebay.fr", "cgi.ebay.fr", "offer.ebay.fr", "feedback.ebay.fr"}};
constexpr SiteServers kGermanyServers{
    "eBayGER",
    {"cgi6.ebay.de", "signin.ebay.de", "cgi.ebay.de", "offer.ebay.de", "feedback.ebay.de"}};
constexpr SiteServers kNetherlandsServers{
    "eBayNET",
    {"cgi6.ebay.nl", "signin.ebay.nl", "cgi.ebay.nl", "offer.ebay.nl", "feedback.ebay.nl"}};
constexpr SiteServers kUkServers{"eBayUK",
                                 {"cgi6.ebay.co.uk", "signin.ebay.co.uk", "cgi.ebay.co.uk",
                                  "offer.ebay.co.uk", "feedback.ebay.co.uk"}};
constexpr SiteServers kUsaServers{
    "eBayUSA",
    {"cgi6.ebay.com", "signin.ebay.com", "cgi.ebay.com", "offer.ebay.com", "feedback.ebay.com"}};

// ---- URL templates.

constexpr UrlTemplate Http(SiteServer server, std::string_view path) {
    return {UrlScheme::Http, server, path};
}

constexpr std::string_view kPublicListing =
    "/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=$DAYS$&page=$PAGENUM$"
    "&userid=$USER_ID$&include=0&rows=200&sort=3";
constexpr std::string_view kPublicListingUk =
    "/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=$DAYS$&userid=$USER_ID$"
    "&page=$PAGENUM$&include=0&rows=200&sort=3";
constexpr std::string_view kPublicListingCompleted =
    "/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=$DAYS$&page=$PAGENUM$"
    "&userid=$USER_ID$&include=0&rows=200&sort=3&completed=1";

constexpr std::string_view kEmailsListingEuropean =
    "/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=$USER_ID$&page=$PAGENUM$&sort=3&rd=1"
    "&rows=200&requested=$USER_ID$&since=$DAYS$";
constexpr std::string_view kEmailsListingSinceFirst =
    "/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=$USER_ID$&page=$PAGENUM$&sort=3&rd=1"
    "&rows=200&since=$DAYS$&requested=$USER_ID$";
constexpr std::string_view kEmailsListingAustralia =
    "/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=$USER_ID$&page=$PAGENUM$&sort=3"
    "&rows=200&requested=$USER_ID$&since=$DAYS$&rd=1";
constexpr std::string_view kEmailsListingNewZealand =
    "/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=$USER_ID$&page=$PAGENUM$&sort=3"
    "&completed=1&rd=1&rows=200&since=$DAYS$&requested=$USER_ID$";
constexpr std::string_view kEmailsListingUsa =
    "/ws/eBayISAPI.dll?ViewListedItemsWithEmails&since=$DAYS$&page=$PAGENUM$&userid=$USER_ID$"
    "&rows=200&sort=3&requested=$USER_ID$&completed=1&rd=1";

constexpr UrlTemplate kViewBids =
    Http(SiteServer::Offer, "/ws/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$");
constexpr UrlTemplate kViewBidsWs3 =
    Http(SiteServer::Offer, "/ws3/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$");
constexpr UrlTemplate kViewBidsNewZealand =
    Http(SiteServer::Listing, "/aw-cgi/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$");

constexpr UrlTemplate kBidderEmails =
    Http(SiteServer::Offer, "/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272");
constexpr UrlTemplate kNoBidderEmails{};

constexpr UrlTemplate SignIn(UrlScheme scheme, std::string_view path) {
    return {scheme, SiteServer::SignIn, path};
}

// The templates every site has alike, around the ones that differ.
constexpr SiteUrlTemplates Urls(std::string_view listingWithEmails, std::string_view publicListing,
                                UrlTemplate signIn, UrlTemplate viewBids,
                                UrlTemplate bidderEmails = kBidderEmails) {
    return {
        .listingWithEmails = Http(SiteServer::Listing, listingWithEmails),
        .publicListing = Http(SiteServer::Listing, publicListing),
        .signIn = signIn,
        .adultSignIn = Http(SiteServer::SignIn, "/ws/eBayISAPI.dll?AdultSignIn"),
        .viewItem = Http(SiteServer::Item, "/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$"),
        .viewBids = viewBids,
        .leaveFeedback = Http(SiteServer::Feedback,
                              "/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$"
                              "&useridto=$BUYER_ID$&item=$ITEM_NUM$"),
        .bidderEmails = bidderEmails,
    };
}

// ---- Insertion fees: the fee from each price threshold on.

constexpr std::array<FeeThreshold, 6> kInsertionGermanic = {{
    {FeeAmount("0.01"), FeeAmount("0.25")},
    {FeeAmount("2"), FeeAmount("0.45")},
    {FeeAmount("10"), FeeAmount("0.80")},
    {FeeAmount("25"), FeeAmount("1.60")},
    {FeeAmount("100"), FeeAmount("3.20")},
    {FeeAmount("250"), FeeAmount("4.80")},
}};
constexpr std::array<FeeThreshold, 6> kInsertionAustralia = {{
    {FeeAmount("0.01"), FeeAmount("0.30")},
    {FeeAmount("1"), FeeAmount("0.50")},
    {FeeAmount("20"), FeeAmount("0.75")},
    {FeeAmount("50"), FeeAmount("1.50")},
    {FeeAmount("100"), FeeAmount("2.50")},
    {FeeAmount("400"), FeeAmount("3.50")},
}};
constexpr std::array<FeeThreshold, 7> kInsertionCanada = {{
    {FeeAmount("0.01"), FeeAmount("0.35")},
    {FeeAmount("1"), FeeAmount("0.45")},
    {FeeAmount("15"), FeeAmount("0.85")},
    {FeeAmount("35"), FeeAmount("1.65")},
    {FeeAmount("70"), FeeAmount("3.30")},
    {FeeAmount("300"), FeeAmount("5.15")},
    {FeeAmount("700"), FeeAmount("6.75")},
}};
constexpr std::array<FeeThreshold, 6> kInsertionFrance = {{
    {FeeAmount("0.01"), FeeAmount("0.10")},
    {FeeAmount("2"), FeeAmount("0.25")},
    {FeeAmount("10"), FeeAmount("0.35")},
    {FeeAmount("25"), FeeAmount("0.90")},
    {FeeAmount("50"), FeeAmount("1.50")},
    {FeeAmount("100"), FeeAmount("2.50")},
}};
constexpr std::array<FeeThreshold, 7> kInsertionUsa = {{
    {FeeAmount("0.01"), FeeAmount("0.25")},
    {FeeAmount("1"), FeeAmount("0.35")},
    {FeeAmount("10"), FeeAmount("0.60")},
    {FeeAmount("25"), FeeAmount("1.20")},
    {FeeAmount("50"), FeeAmount("2.40")},
    {FeeAmount("200"), FeeAmount("3.60")},
    {FeeAmount("500"), FeeAmount("4.80")},
}};
constexpr std::array<FeeThreshold, 6> kInsertionUk = {{
    {FeeAmount("0.01"), FeeAmount("0.15")},
    {FeeAmount("1"), FeeAmount("0.20")},
    {FeeAmount("5"), FeeAmount("0.35")},
    {FeeAmount("15"), FeeAmount("0.75")},
    {FeeAmount("30"), FeeAmount("1.50")},
    {FeeAmount("100"), FeeAmount("2.00")},
}};

// ---- Final-value and store final-value fees: tiers of rates in hundredths
// of a percent. The first tier charges on the whole price.

constexpr FeeTier FirstTier(std::int32_t rate, Money base = Money()) {
    return {Money(), TierStart::Above, rate, base};
}

constexpr std::array<FeeTier, 3> kFinalValueGermanic = {{
    FirstTier(500),
    {FeeAmount("50"), TierStart::Above, 400, FeeAmount("2.50")},
    {FeeAmount("500"), TierStart::Above, 200, FeeAmount("20.50")},
}};
constexpr std::array<FeeTier, 3> kFinalValueAustralia = {{
    FirstTier(525),
    {FeeAmount("75"), TierStart::Above, 275, FeeAmount("3.9375")},
    {FeeAmount("1000"), TierStart::Above, 150, FeeAmount("29.375")},
}};
constexpr std::array<FeeTier, 3> kFinalValueCanada = {{
    FirstTier(525),
    {FeeAmount("35"), TierStart::Above, 275, FeeAmount("1.8375")},
    {FeeAmount("1450"), TierStart::Above, 150, FeeAmount("40.75")},
}};
constexpr std::array<FeeTier, 3> kFinalValueFrance = {{
    FirstTier(500),
    {FeeAmount("50"), TierStart::Above, 350, FeeAmount("2.50")},
    {FeeAmount("1000"), TierStart::Above, 150, FeeAmount("35.75")},
}};
constexpr std::array<FeeTier, 3> kFinalValueUsa = {{
    FirstTier(525),
    {FeeAmount("25"), TierStart::Above, 275, FeeAmount("1.3125")},
    {FeeAmount("1000"), TierStart::Above, 150, FeeAmount("28.125")},
}};
// The UK tiers begin at their limits, and the base at 600 is the site's own
// amount, not where the tier below ends (20.10).
constexpr std::array<FeeTier, 3> kFinalValueUk = {{
    FirstTier(525),
    {FeeAmount("30"), TierStart::From, 325, FeeAmount("1.575")},
    {FeeAmount("600"), TierStart::From, 175, FeeAmount("22.95")},
}};
constexpr std::array<FeeTier, 1> kFinalValueNetherlands = {{FirstTier(400)}};

constexpr std::array<FeeTier, 3> kStoreFinalValueGermanic = {{
    FirstTier(500, FeeAmount("0.10")),
    {FeeAmount("50"), TierStart::Above, 400, FeeAmount("2.60")},
    {FeeAmount("500"), TierStart::Above, 200, FeeAmount("20.60")},
}};
// The base at 1450 is the site's own amount (the tier below ends at 73.55).
constexpr std::array<FeeTier, 3> kStoreFinalValueCanada = {{
    FirstTier(800),
    {FeeAmount("35"), TierStart::Above, 500, FeeAmount("2.80")},
    {FeeAmount("1450"), TierStart::Above, 300, FeeAmount("45.25")},
}};
constexpr std::array<FeeTier, 3> kStoreFinalValueUsa = {{
    FirstTier(800),
    {FeeAmount("25"), TierStart::Above, 500, FeeAmount("2.00")},
    {FeeAmount("1000"), TierStart::Above, 300, FeeAmount("50.75")},
}};
// Unlike the UK final-value tiers, 600 itself belongs to the second tier.
constexpr std::array<FeeTier, 3> kStoreFinalValueUk = {{
    FirstTier(525),
    {FeeAmount("30"), TierStart::From, 325, FeeAmount("1.57")},
    {FeeAmount("600"), TierStart::Above, 175, FeeAmount("20.10")},
}};

constexpr PriceCap kGermanFinalValueCap{FeeAmount("2000"), FeeAmount("50.50")};
constexpr PriceCap kGermanicStoreFinalValueCap{FeeAmount("2000"), FeeAmount("50.60")};

constexpr TieredFeeSchedule Tiers(std::span<const FeeTier> tiers,
                                  std::optional<PriceCap> cap = std::nullopt) {
    return {tiers, cap, std::nullopt};
}

constexpr TieredFeeSchedule kUsaFinalValue = Tiers(kFinalValueUsa);
constexpr TieredFeeSchedule kUsaStoreFinalValue = Tiers(kStoreFinalValueUsa);
constexpr TieredFeeSchedule kGermanicStoreFinalValue =
    Tiers(kStoreFinalValueGermanic, kGermanicStoreFinalValueCap);

// ---- The nine profiles.

constexpr SiteProfile kProfiles[] = {
    {
        .siteClass = SiteClass::eBayATR,
        .className = "eBayATR",
        .displayName = "eBay Austria",
        .servers = kAustriaServers,
        .urls = Urls(kEmailsListingEuropean, kPublicListing,
                     SignIn(UrlScheme::Https, "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:AT"),
                     kViewBids),
        .dates = {1031},
        .prices = {1031, PriceCleanup::EuroMarkers, {}},
        .fees = {{kInsertionGermanic, std::nullopt},
                 Tiers(kFinalValueGermanic),
                 kGermanicStoreFinalValue,
                 FeeAmount("0.05")},
    },
    {
        .siteClass = SiteClass::eBayAUS,
        .className = "eBayAUS",
        .displayName = "eBay Australia",
        .servers = kAustraliaServers,
        .urls = Urls(kEmailsListingAustralia, kPublicListing,
                     SignIn(UrlScheme::Https, "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:AU"),
                     kViewBids),
        .dates = {3081},
        .prices = {3081, PriceCleanup::Prefix, "AU"},
        .fees = {{kInsertionAustralia, std::nullopt},
                 Tiers(kFinalValueAustralia),
                 Tiers(kFinalValueAustralia),
                 FeeAmount("0.10")},
    },
    {
        .siteClass = SiteClass::eBayCAN,
        .className = "eBayCAN",
        .displayName = "eBay Canada",
        .servers = kCanadaServers,
        .urls = Urls(kEmailsListingSinceFirst, kPublicListing,
                     SignIn(UrlScheme::Https, "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:CA"),
                     kViewBids),
        .dates = {4105},
        .prices = {4105, PriceCleanup::Prefix, "C"},
        .fees = {{kInsertionCanada, std::nullopt},
                 Tiers(kFinalValueCanada),
                 Tiers(kStoreFinalValueCanada),
                 FeeAmount("0.02")},
    },
    {
        .siteClass = SiteClass::eBayFRN,
        .className = "eBayFRN",
        .displayName = "eBay France",
        .servers = kFranceServers,
        .urls = Urls(kEmailsListingSinceFirst, kPublicListing,
                     SignIn(UrlScheme::Https, "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sout:FR"),
                     kViewBidsWs3),
        .dates = {1036},
        .prices = {1036, PriceCleanup::SuffixEur, {}},
        .fees = {{kInsertionFrance, std::nullopt},
                 Tiers(kFinalValueFrance),
                 Tiers(kFinalValueFrance),
                 FeeAmount("0.01")},
    },
    {
        .siteClass = SiteClass::eBayGER,
        .className = "eBayGER",
        .displayName = "eBay Germany",
        .servers = kGermanyServers,
        .urls = Urls(kEmailsListingEuropean, kPublicListing,
                     SignIn(UrlScheme::Http, "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:DE"),
                     kViewBidsWs3),
        .dates = {1031},
        .prices = {1031, PriceCleanup::EuroMarkers, {}},
        .fees = {{kInsertionGermanic, std::nullopt},
                 Tiers(kFinalValueGermanic, kGermanFinalValueCap),
                 kGermanicStoreFinalValue,
                 FeeAmount("0.05")},
    },
    {
        .siteClass = SiteClass::eBayNET,
        .className = "eBayNET",
        .displayName = "eBay Netherlands",
        .servers = kNetherlandsServers,
        .urls = Urls(kEmailsListingSinceFirst, kPublicListing,
                     SignIn(UrlScheme::Https, "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sout:NL"),
                     kViewBidsWs3),
        .dates = {1043},
        .prices = {1043, PriceCleanup::EuroMarkers, {}},
        .fees = {{{}, FeeAmount("0.10")},
                 {kFinalValueNetherlands, std::nullopt, FeeAmount("5.00")},
                 kUsaStoreFinalValue,
                 FeeAmount("0.01")},
    },
    {
        .siteClass = SiteClass::eBayNZ,
        .className = "eBayNZ",
        .displayName = "eBay New Zealand",
        .servers = kUsaServers,
        .urls = Urls(kEmailsListingNewZealand, kPublicListingCompleted,
                     SignIn(UrlScheme::Http, "/ws2/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:US"),
                     kViewBidsNewZealand, kNoBidderEmails),
        .dates = {5129},
        .prices = {kLocaleEnglishUS, PriceCleanup::Prefix, "US"},
        .fees =
            {{kInsertionUsa, std::nullopt}, kUsaFinalValue, kUsaStoreFinalValue, FeeAmount("0.02")},
    },
    {
        .siteClass = SiteClass::eBayUK,
        .className = "eBayUK",
        .displayName = "eBay UK",
        .servers = kUkServers,
        .urls = Urls(kEmailsListingEuropean, kPublicListingUk,
                     SignIn(UrlScheme::Https, "/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:UK"),
                     kViewBidsWs3),
        .dates = {2057},
        .prices = {2057, PriceCleanup::PoundEntities, "UK"},
        .fees = {{kInsertionUk, std::nullopt},
                 Tiers(kFinalValueUk),
                 Tiers(kStoreFinalValueUk),
                 FeeAmount("0.05")},
    },
    {
        .siteClass = SiteClass::eBayUSA,
        .className = "eBayUSA",
        .displayName = "eBay USA",
        .servers = kUsaServers,
        .urls = Urls(kEmailsListingUsa, kPublicListingCompleted,
                     SignIn(UrlScheme::Http, "/ws2/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:US"),
                     kViewBids),
        .dates = {kLocaleEnglishUS},
        .prices = {kLocaleEnglishUS, PriceCleanup::Prefix, "US"},
        .fees =
            {{kInsertionUsa, std::nullopt}, kUsaFinalValue, kUsaStoreFinalValue, FeeAmount("0.02")},
    },
};

}  // namespace

const SiteProfile& SiteProfileOf(SiteClass siteClass) {
    return kProfiles[static_cast<std::size_t>(siteClass)];
}

std::span<const SiteProfile> AllSiteProfiles() {
    return kProfiles;
}

}  // namespace gb::sites
