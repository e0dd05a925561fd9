#include <gtest/gtest.h>

#include <string>

#include "sites/SiteProfile.h"
#include "tests/support/PinnedLocale.h"

using gb::test::PinnedLocale;

namespace gb::sites {
namespace {

struct DateCase {
    SiteClass site;
    std::string_view text;
    bool readable;
    std::string_view expected;  // under 1033, or the cut text when unreadable
};

// clang-format off
constexpr DateCase kDateForms[] = {
    {SiteClass::eBayUSA, "Mar-15-03 14:22:05 PST", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayUSA, "03/04/2003 09:05:00", true, "3/4/2003 9:05:00 AM"},
    {SiteClass::eBayNZ, "15-Mar-03 14:22:05 NZDT", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayNZ, "03/04/2003 09:05:00", true, "4/3/2003 9:05:00 AM"},
    {SiteClass::eBayAUS, "15-Mar-03 14:22:05 AEST", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayCAN, "15/03/2003 14:22:05 EST", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayUK, "15-Mar-03 14:22:05 GMT", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayGER, "15.03.03 14:22:05 MEZ", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayATR, "15.03.03 00:00:00 MEZ", true, "3/15/2003"},
    {SiteClass::eBayFRN, "15-mars-03 14:22:05 CET", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayNET, "15-03-03 14:22:05 CET", true, "3/15/2003 2:22:05 PM"},
    {SiteClass::eBayNET, "15-mrt-03 14:22:05", true, "3/15/2003 2:22:05 PM"},
    // Unreadable: the text keeps its cut form.
    {SiteClass::eBayGER, "32.03.03 14:22:05 MEZ", false, "32.03.03 14:22:05"},
    {SiteClass::eBayUSA, "Mar-15-03 25:00:00 PST", false, "Mar-15-03 25:00:00"},
    // Only a first digit, or none at all: nothing is cut.
    {SiteClass::eBayUSA, "5 days left", false, "5 days left"},
    {SiteClass::eBayUSA, "ended", false, "ended"},
};
// clang-format on

TEST(ParseDate, EachSiteReadsItsOwnFormAfterCuttingTheTimeZone) {
    const PinnedLocale us(1033);
    for (const DateCase& form : kDateForms) {
        const SiteProfile& profile = SiteProfileOf(form.site);
        std::string date(form.text);
        EXPECT_EQ(profile.ParseDate(date), form.readable) << profile.className << " " << form.text;
        EXPECT_EQ(date, form.expected) << profile.className << " " << form.text;
    }
}

TEST(ParseDate, WritesTheDateInTheUsersFormat) {
    const PinnedLocale german(1031);
    std::string date = "Mar-15-03 14:22:05 PST";
    EXPECT_TRUE(SiteProfileOf(SiteClass::eBayUSA).ParseDate(date));
    EXPECT_EQ(date, "15.03.2003 14:22:05");
}

}  // namespace
}  // namespace gb::sites
