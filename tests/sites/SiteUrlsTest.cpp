#include "sites/SiteUrls.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/Cp1252.h"
#include "sites/SiteProfile.h"

namespace gb::sites {
namespace {

// Every server of every site on a host of its own: "listing.ebayusa.test".
std::string TestHost(std::string_view settingsName, SiteServer server) {
    return cp1252::ToLower(std::string(SiteServerName(server)) + "." + std::string(settingsName) +
                           ".test");
}

struct ExpectedUrls {
    SiteClass site;
    // Listing page 2 of the last 31 days for "seller1".
    std::string_view listingWithPassword;
    std::string_view listingWithoutPassword;
    std::string_view signIn;
    std::string_view adultSignIn;
    std::string_view viewItem;
    std::string_view viewBids;
    std::string_view leaveFeedback;
    std::string_view bidderEmails;
};

// clang-format off
const ExpectedUrls kExpectedUrls[] = {
    {SiteClass::eBayATR,
     "http://listing.ebayatr.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&rd=1&rows=200&requested=seller1&since=31",
     "http://listing.ebayatr.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3",
     "https://signin.ebayatr.test/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:AT",
     "http://signin.ebayatr.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebayatr.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebayatr.test/ws/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebayatr.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebayatr.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
    {SiteClass::eBayAUS,
     "http://listing.ebayaus.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&rows=200&requested=seller1&since=31&rd=1",
     "http://listing.ebayaus.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3",
     "https://signin.ebayaus.test/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:AU",
     "http://signin.ebayaus.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebayaus.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebayaus.test/ws/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebayaus.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebayaus.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
    {SiteClass::eBayCAN,
     "http://listing.ebaycan.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&rd=1&rows=200&since=31&requested=seller1",
     "http://listing.ebaycan.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3",
     "https://signin.ebaycan.test/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:CA",
     "http://signin.ebaycan.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebaycan.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebaycan.test/ws/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebaycan.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebaycan.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
    {SiteClass::eBayFRN,
     "http://listing.ebayfrn.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&rd=1&rows=200&since=31&requested=seller1",
     "http://listing.ebayfrn.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3",
     "https://signin.ebayfrn.test/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sout:FR",
     "http://signin.ebayfrn.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebayfrn.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebayfrn.test/ws3/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebayfrn.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebayfrn.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
    {SiteClass::eBayGER,
     "http://listing.ebayger.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&rd=1&rows=200&requested=seller1&since=31",
     "http://listing.ebayger.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3",
     "http://signin.ebayger.test/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:DE",
     "http://signin.ebayger.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebayger.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebayger.test/ws3/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebayger.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebayger.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
    {SiteClass::eBayNET,
     "http://listing.ebaynet.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&rd=1&rows=200&since=31&requested=seller1",
     "http://listing.ebaynet.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3",
     "https://signin.ebaynet.test/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sout:NL",
     "http://signin.ebaynet.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebaynet.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebaynet.test/ws3/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebaynet.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebaynet.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
    {SiteClass::eBayNZ,
     "http://listing.ebayusa.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&completed=1&rd=1&rows=200&since=31&requested=seller1",
     "http://listing.ebayusa.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3&completed=1",
     "http://signin.ebayusa.test/ws2/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:US",
     "http://signin.ebayusa.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebayusa.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://listing.ebayusa.test/aw-cgi/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebayusa.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "",
    },
    {SiteClass::eBayUK,
     "http://listing.ebayuk.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&userid=seller1&page=2&sort=3&rd=1&rows=200&requested=seller1&since=31",
     "http://listing.ebayuk.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&userid=seller1&page=2&include=0&rows=200&sort=3",
     "https://signin.ebayuk.test/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:UK",
     "http://signin.ebayuk.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebayuk.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebayuk.test/ws3/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebayuk.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebayuk.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
    {SiteClass::eBayUSA,
     "http://listing.ebayusa.test/ws/eBayISAPI.dll?ViewListedItemsWithEmails&since=31&page=2&userid=seller1&rows=200&sort=3&requested=seller1&completed=1&rd=1",
     "http://listing.ebayusa.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&since=31&page=2&userid=seller1&include=0&rows=200&sort=3&completed=1",
     "http://signin.ebayusa.test/ws2/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:US",
     "http://signin.ebayusa.test/ws/eBayISAPI.dll?AdultSignIn",
     "http://item.ebayusa.test/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$",
     "http://offer.ebayusa.test/ws/eBayISAPI.dll?ViewBids&item=$ITEM_NUM$",
     "http://feedback.ebayusa.test/aw-cgi/eBayISAPI.dll?LeaveFeedbackShow&useridfrom=$SELLER_ID$&useridto=$BUYER_ID$&item=$ITEM_NUM$",
     "http://offer.ebayusa.test/ws/eBayISAPI.dll?GetBidderEmails&item=$ITEM_NUM$&pagetype=272",
    },
};
// clang-format on

TEST(SiteUrls, EveryTemplateOfEverySiteIsTheSitesOwnWithTheConfiguredHosts) {
    for (const ExpectedUrls& expected : kExpectedUrls) {
        const SiteProfile& profile = SiteProfileOf(expected.site);
        SCOPED_TRACE(profile.className);
        const SiteUrls urls = profile.ResolveUrls(TestHost);
        EXPECT_EQ(urls.ListingUrl("seller1", true, 2, 31), expected.listingWithPassword);
        EXPECT_EQ(urls.ListingUrl("seller1", false, 2, 31), expected.listingWithoutPassword);
        EXPECT_EQ(urls.signIn, expected.signIn);
        EXPECT_EQ(urls.adultSignIn, expected.adultSignIn);
        EXPECT_EQ(urls.viewItem, expected.viewItem);
        EXPECT_EQ(urls.viewBids, expected.viewBids);
        EXPECT_EQ(urls.leaveFeedback, expected.leaveFeedback);
        EXPECT_EQ(urls.bidderEmails, expected.bidderEmails);
    }
}

TEST(SiteUrls, ListingTemplatesKeepTheirTokensUntilTheListingUrlIsBuilt) {
    const SiteUrls urls = SiteProfileOf(SiteClass::eBayUK).ResolveUrls(TestHost);
    EXPECT_EQ(urls.publicListing,
              "http://listing.ebayuk.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems"
              "&since=$DAYS$&userid=$USER_ID$&page=$PAGENUM$&include=0&rows=200&sort=3");
    EXPECT_EQ(urls.ListingUrl("a$USER_ID$", false, -1, 65535),
              "http://listing.ebayuk.test/ws/eBayISAPI.dll?MfcISAPICommand=ViewListedItems"
              "&since=65535&userid=aa$USER_ID$&page=-1&include=0&rows=200&sort=3")
        << "the token is replaced twice, whatever the user ID holds";
}

TEST(SiteUrls, ItemUrlFillsInTheItemNumber) {
    EXPECT_EQ(SiteProfileOf(SiteClass::eBayGER).ResolveUrls(TestHost).ItemUrl("2150342517"),
              "http://item.ebayger.test/ws/eBayISAPI.dll?ViewItem&item=2150342517");
}

TEST(SiteUrls, WithoutConfigurationTheBuiltInHostsAreUsedAndNewZealandSharesTheUsaServers) {
    for (const HostLookup& none :
         {HostLookup(), HostLookup([](std::string_view, SiteServer) { return std::string(); })}) {
        const SiteUrls usa = SiteProfileOf(SiteClass::eBayUSA).ResolveUrls(none);
        const SiteUrls newZealand = SiteProfileOf(SiteClass::eBayNZ).ResolveUrls(none);
        EXPECT_EQ(usa.viewItem, "http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$");
        EXPECT_EQ(newZealand.viewItem, usa.viewItem);
        EXPECT_EQ(newZealand.signIn, usa.signIn);
    }
}

TEST(SiteUrls, OneServerCanBePointedAtALocalHostAndPort) {
    const HostLookup lookup = [](std::string_view site, SiteServer server) {
        return site == "eBayUK" && server == SiteServer::SignIn ? "127.0.0.1:8443" : "";
    };
    const SiteUrls urls = SiteProfileOf(SiteClass::eBayUK).ResolveUrls(lookup);
    EXPECT_EQ(urls.signIn, "https://127.0.0.1:8443/ws/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:UK");
    EXPECT_EQ(urls.adultSignIn, "http://127.0.0.1:8443/ws/eBayISAPI.dll?AdultSignIn");
    EXPECT_EQ(urls.viewItem, "http://cgi.ebay.co.uk/ws/eBayISAPI.dll?ViewItem&item=$ITEM_NUM$");
}

TEST(SiteUrls, AConfiguredHostThatWouldChangeMoreThanTheHostIsIgnored) {
    for (const std::string bad : {"evil.test/x?", "user@evil.test", "a b", "evil.test#"}) {
        const SiteUrls urls =
            SiteProfileOf(SiteClass::eBayCAN).ResolveUrls([&](std::string_view, SiteServer) {
                return bad;
            });
        EXPECT_EQ(urls.adultSignIn, "http://signin.ebay.ca/ws/eBayISAPI.dll?AdultSignIn") << bad;
    }
}

}  // namespace
}  // namespace gb::sites
