// The dates and prices the emulator writes are read back by each site class's
// own normalisers as the values meant.

#include "SiteForms.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Locale.h"
#include "sites/SiteProfile.h"

using namespace gb::sites;

namespace gb::e2e {
namespace {

using emulator::SiteForms;

// One site class, shown by its class name in test names and messages.
struct SiteCase {
    SiteClass site;
};

void PrintTo(const SiteCase& c, std::ostream* os) {
    *os << SiteProfileOf(c.site).className;
}

class SiteFormsTest : public testing::TestWithParam<SiteCase> {};

std::vector<SiteCase> AllSites() {
    std::vector<SiteCase> sites;
    for (const SiteProfile& profile : AllSiteProfiles()) {
        sites.push_back({profile.siteClass});
    }
    return sites;
}

TEST_P(SiteFormsTest, DatesReadBackAsWritten) {
    const SiteProfile& profile = SiteProfileOf(GetParam().site);
    for (const DateTime date :
         {DateTime::FromCivil(2026, 3, 15, 14, 22, 5), DateTime::FromCivil(2027, 12, 1, 0, 0, 59),
          DateTime::FromCivil(2026, 7, 4, 23, 5, 0)}) {
        std::string text = SiteForms::Of(profile.siteClass).Date(date);
        ASSERT_TRUE(profile.ParseDate(text)) << profile.className << " " << text;
        EXPECT_EQ(text, FormatDateTime(date, kLocaleUserDefault)) << profile.className;
    }
}

TEST_P(SiteFormsTest, PricesReadBackAsWritten) {
    const SiteProfile& profile = SiteProfileOf(GetParam().site);
    using Case = std::pair<std::int64_t, const char*>;
    for (const auto& [units, plain] : {Case{12345000, "1234.5"}, Case{99900, "9.99"},
                                       Case{12345678900, "1234567.89"}, Case{0, "0"}}) {
        std::string text = SiteForms::Of(profile.siteClass).Price(Money::FromUnits(units));
        ASSERT_TRUE(profile.ParsePrice(text)) << profile.className << " " << text;
        EXPECT_EQ(text, FormatCurrencyNumber(plain, kLocaleUserDefault)) << profile.className;
    }
}

INSTANTIATE_TEST_SUITE_P(EverySite, SiteFormsTest, testing::ValuesIn(AllSites()),
                         [](const testing::TestParamInfo<SiteCase>& site) {
                             return std::string(SiteProfileOf(site.param.site).className);
                         });

TEST(SiteFormsRoundingTest, PricesAreWrittenToTheCentRoundedHalfUp) {
    const SiteForms usa = SiteForms::Of(SiteClass::eBayUSA);
    EXPECT_EQ(usa.Price(Money::FromUnits(12345)), "US $1.23");
    EXPECT_EQ(usa.Price(Money::FromUnits(12350)), "US $1.24");
    EXPECT_EQ(usa.Price(Money::FromUnits(-5000)), "US $0.00");
    EXPECT_EQ(SiteForms::Of(SiteClass::eBayFRN).Price(Money::FromUnits(12345670000)),
              "1 234 567,00 EUR");
}

}  // namespace
}  // namespace gb::e2e
