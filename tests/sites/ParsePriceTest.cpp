#include <gtest/gtest.h>

#include <string>

#include "sites/SiteProfile.h"
#include "tests/support/PinnedLocale.h"

using gb::test::PinnedLocale;

namespace gb::sites {
namespace {

struct PriceCase {
    SiteClass site;
    std::string_view text;      // as the site's page shows it
    std::string_view expected;  // in the user's currency format; empty when unreadable
};

// clang-format off
constexpr PriceCase kPriceForms[] = {
    {SiteClass::eBayUSA, "$12.50", "$12.50"},
    {SiteClass::eBayUSA, "US $12.50", "$12.50"},
    {SiteClass::eBayUSA, "US&nbsp;$1,234.50", "$1,234.50"},
    {SiteClass::eBayUSA, "US\xA0$12.5", "$12.50"},
    {SiteClass::eBayUSA, "EUR 12,50", ""},

    {SiteClass::eBayNZ, "US $1,234.56", "$1,234.56"},
    {SiteClass::eBayNZ, "US&nbsp;$7", "$7.00"},
    {SiteClass::eBayNZ, "NZ $7.00", ""},

    {SiteClass::eBayAUS, "$12.50", "$12.50"},
    {SiteClass::eBayAUS, "AU $1,234.50", "$1,234.50"},
    {SiteClass::eBayAUS, "AU&nbsp;$12.50", "$12.50"},
    {SiteClass::eBayAUS, "US $12.50", ""},

    {SiteClass::eBayCAN, "$12.50", "$12.50"},
    {SiteClass::eBayCAN, "C $1,234.50", "$1,234.50"},
    {SiteClass::eBayCAN, "C&nbsp;$12.50", "$12.50"},
    {SiteClass::eBayCAN, "C\xA0$12.50", "$12.50"},
    {SiteClass::eBayCAN, "US $12.50", ""},

    {SiteClass::eBayFRN, "12,50 \x80", "$12.50"},
    {SiteClass::eBayFRN, "12,50 EUR", "$12.50"},
    {SiteClass::eBayFRN, "1 234,50 EUR", "$1,234.50"},
    {SiteClass::eBayFRN, "1\xA0" "234,50&nbsp;EUR", "$1,234.50"},
    {SiteClass::eBayFRN, "12,50\xA0" "EUR", "$12.50"},
    {SiteClass::eBayFRN, "EUR 12,50", ""},

    {SiteClass::eBayGER, "12,50 \x80", "$12.50"},
    {SiteClass::eBayGER, "EUR 12,50", "$12.50"},
    {SiteClass::eBayGER, "EUR&nbsp;1.234,50", "$1,234.50"},
    {SiteClass::eBayGER, "EUR\xA0" "12,50", "$12.50"},
    {SiteClass::eBayGER, "EUR12,50", "$12.50"},
    {SiteClass::eBayGER, "&#163;12,50", "$12.50"},
    {SiteClass::eBayGER, "\xA3" "12,50", "$12.50"},
    // "EUR" after the number: the front loses three characters, which spoils it.
    {SiteClass::eBayGER, "12,50 EUR", ""},

    {SiteClass::eBayATR, "EUR 1.234,50", "$1,234.50"},
    {SiteClass::eBayATR, "EUR&nbsp;12,50", "$12.50"},
    {SiteClass::eBayATR, "12.50", ""},

    {SiteClass::eBayNET, "\x80 12,50", "$12.50"},
    {SiteClass::eBayNET, "EUR 1.234,50", "$1,234.50"},
    {SiteClass::eBayNET, "EUR&nbsp;12,50", "$12.50"},
    {SiteClass::eBayNET, "EUR\xA0" "12,50", "$12.50"},
    {SiteClass::eBayNET, "12 EUR", ""},

    {SiteClass::eBayUK, "\xA3" "12.50", "$12.50"},
    {SiteClass::eBayUK, "&#163;1,234.50", "$1,234.50"},
    {SiteClass::eBayUK, "UK &#163;12.50", "$12.50"},
    {SiteClass::eBayUK, "UK&nbsp;\xA3" "12.50", "$12.50"},
    {SiteClass::eBayUK, "&#163;&#163;12.50", "$12.50"},
    {SiteClass::eBayUK, "EUR 12,50", ""},
};
// clang-format on

TEST(ParsePrice, EveryFormASiteShowsIsReadIntoTheUsersCurrencyFormat) {
    const PinnedLocale us(1033);
    for (const PriceCase& form : kPriceForms) {
        const SiteProfile& profile = SiteProfileOf(form.site);
        std::string price(form.text);
        EXPECT_EQ(profile.ParsePrice(price), !form.expected.empty())
            << profile.className << " " << form.text;
        EXPECT_EQ(price, form.expected) << profile.className << " " << form.text;
    }
}

TEST(ParsePrice, WritesTheAmountInWhateverFormatTheUserHas) {
    const PinnedLocale german(1031);
    std::string price = "US $1,234.50";
    EXPECT_TRUE(SiteProfileOf(SiteClass::eBayUSA).ParsePrice(price));
    EXPECT_EQ(price, "1.234,50 \x80");
}

TEST(ParsePrice, ACleanUpOnTooShortATextReadsTheEmptyTextAndFails) {
    const PinnedLocale us(1033);
    const PriceCase tooShort[] = {
        {SiteClass::eBayUSA, "US", ""},        {SiteClass::eBayUSA, "U", ""},
        {SiteClass::eBayCAN, "C", ""},         {SiteClass::eBayUK, "UK", ""},
        {SiteClass::eBayFRN, "EUR", ""},       {SiteClass::eBayFRN, "&nbsp;EUR", ""},
        {SiteClass::eBayGER, "EUR&nbsp;", ""}, {SiteClass::eBayGER, "\xA3", ""},
        {SiteClass::eBayNET, "", ""},
    };
    for (const PriceCase& form : tooShort) {
        std::string price(form.text);
        EXPECT_FALSE(SiteProfileOf(form.site).ParsePrice(price)) << form.text;
        EXPECT_EQ(price, "");
    }
}

}  // namespace
}  // namespace gb::sites
