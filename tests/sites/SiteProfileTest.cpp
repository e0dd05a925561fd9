#include "sites/SiteProfile.h"

#include <gtest/gtest.h>

namespace gb::sites {
namespace {

struct ExpectedProfile {
    SiteClass site;
    std::string_view className;
    std::string_view displayName;
    Lcid dateLocale;
    Lcid priceLocale;
};

constexpr ExpectedProfile kExpectedProfiles[] = {
    {SiteClass::eBayATR, "eBayATR", "eBay Austria", 1031, 1031},
    {SiteClass::eBayAUS, "eBayAUS", "eBay Australia", 3081, 3081},
    {SiteClass::eBayCAN, "eBayCAN", "eBay Canada", 4105, 4105},
    {SiteClass::eBayFRN, "eBayFRN", "eBay France", 1036, 1036},
    {SiteClass::eBayGER, "eBayGER", "eBay Germany", 1031, 1031},
    {SiteClass::eBayNET, "eBayNET", "eBay Netherlands", 1043, 1043},
    {SiteClass::eBayNZ, "eBayNZ", "eBay New Zealand", 5129, 1033},
    {SiteClass::eBayUK, "eBayUK", "eBay UK", 2057, 2057},
    {SiteClass::eBayUSA, "eBayUSA", "eBay USA", 1033, 1033},
};

TEST(SiteProfile, EachSiteClassHasItsNamesAndLocales) {
    ASSERT_EQ(AllSiteProfiles().size(), std::size(kExpectedProfiles));
    for (std::size_t i = 0; i < std::size(kExpectedProfiles); ++i) {
        const ExpectedProfile& expected = kExpectedProfiles[i];
        const SiteProfile& profile = SiteProfileOf(expected.site);
        EXPECT_EQ(&profile, &AllSiteProfiles()[i]);
        EXPECT_EQ(profile.siteClass, expected.site);
        EXPECT_EQ(profile.className, expected.className);
        EXPECT_EQ(profile.displayName, expected.displayName);
        EXPECT_EQ(profile.dates.locale, expected.dateLocale) << expected.className;
        EXPECT_EQ(profile.prices.locale, expected.priceLocale) << expected.className;
    }
}

}  // namespace
}  // namespace gb::sites
