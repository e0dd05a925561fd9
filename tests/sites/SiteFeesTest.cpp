#include "sites/SiteFees.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "sites/FeeAmount.h"
#include "sites/SiteProfile.h"
#include "tests/support/PinnedLocale.h"

using gb::test::PinnedLocale;

namespace gb::sites {
namespace {

using enum SiteClass;

consteval Money A(std::string_view amount) {
    return FeeAmount(amount);
}

struct FeeCase {
    SiteClass site;
    Money price;
    Money fee;  // exact, before formatting
};

// Every threshold one cent below and at it.
constexpr FeeCase kInsertionCases[] = {
    {eBayATR, A("0"), A("0")},         {eBayATR, A("0.01"), A("0.25")},
    {eBayATR, A("1.99"), A("0.25")},   {eBayATR, A("2"), A("0.45")},
    {eBayATR, A("9.99"), A("0.45")},   {eBayATR, A("10"), A("0.8")},
    {eBayATR, A("24.99"), A("0.8")},   {eBayATR, A("25"), A("1.6")},
    {eBayATR, A("99.99"), A("1.6")},   {eBayATR, A("100"), A("3.2")},
    {eBayATR, A("249.99"), A("3.2")},  {eBayATR, A("250"), A("4.8")},
    {eBayAUS, A("0"), A("0")},         {eBayAUS, A("0.01"), A("0.3")},
    {eBayAUS, A("0.99"), A("0.3")},    {eBayAUS, A("1"), A("0.5")},
    {eBayAUS, A("19.99"), A("0.5")},   {eBayAUS, A("20"), A("0.75")},
    {eBayAUS, A("49.99"), A("0.75")},  {eBayAUS, A("50"), A("1.5")},
    {eBayAUS, A("99.99"), A("1.5")},   {eBayAUS, A("100"), A("2.5")},
    {eBayAUS, A("399.99"), A("2.5")},  {eBayAUS, A("400"), A("3.5")},
    {eBayCAN, A("0"), A("0")},         {eBayCAN, A("0.01"), A("0.35")},
    {eBayCAN, A("0.99"), A("0.35")},   {eBayCAN, A("1"), A("0.45")},
    {eBayCAN, A("14.99"), A("0.45")},  {eBayCAN, A("15"), A("0.85")},
    {eBayCAN, A("34.99"), A("0.85")},  {eBayCAN, A("35"), A("1.65")},
    {eBayCAN, A("69.99"), A("1.65")},  {eBayCAN, A("70"), A("3.3")},
    {eBayCAN, A("299.99"), A("3.3")},  {eBayCAN, A("300"), A("5.15")},
    {eBayCAN, A("699.99"), A("5.15")}, {eBayCAN, A("700"), A("6.75")},
    {eBayFRN, A("0"), A("0")},         {eBayFRN, A("0.01"), A("0.1")},
    {eBayFRN, A("1.99"), A("0.1")},    {eBayFRN, A("2"), A("0.25")},
    {eBayFRN, A("9.99"), A("0.25")},   {eBayFRN, A("10"), A("0.35")},
    {eBayFRN, A("24.99"), A("0.35")},  {eBayFRN, A("25"), A("0.9")},
    {eBayFRN, A("49.99"), A("0.9")},   {eBayFRN, A("50"), A("1.5")},
    {eBayFRN, A("99.99"), A("1.5")},   {eBayFRN, A("100"), A("2.5")},
    {eBayGER, A("0"), A("0")},         {eBayGER, A("0.01"), A("0.25")},
    {eBayGER, A("1.99"), A("0.25")},   {eBayGER, A("2"), A("0.45")},
    {eBayGER, A("9.99"), A("0.45")},   {eBayGER, A("10"), A("0.8")},
    {eBayGER, A("24.99"), A("0.8")},   {eBayGER, A("25"), A("1.6")},
    {eBayGER, A("99.99"), A("1.6")},   {eBayGER, A("100"), A("3.2")},
    {eBayGER, A("249.99"), A("3.2")},  {eBayGER, A("250"), A("4.8")},
    {eBayNZ, A("0"), A("0")},          {eBayNZ, A("0.01"), A("0.25")},
    {eBayNZ, A("0.99"), A("0.25")},    {eBayNZ, A("1"), A("0.35")},
    {eBayNZ, A("9.99"), A("0.35")},    {eBayNZ, A("10"), A("0.6")},
    {eBayNZ, A("24.99"), A("0.6")},    {eBayNZ, A("25"), A("1.2")},
    {eBayNZ, A("49.99"), A("1.2")},    {eBayNZ, A("50"), A("2.4")},
    {eBayNZ, A("199.99"), A("2.4")},   {eBayNZ, A("200"), A("3.6")},
    {eBayNZ, A("499.99"), A("3.6")},   {eBayNZ, A("500"), A("4.8")},
    {eBayUK, A("0"), A("0")},          {eBayUK, A("0.01"), A("0.15")},
    {eBayUK, A("0.99"), A("0.15")},    {eBayUK, A("1"), A("0.2")},
    {eBayUK, A("4.99"), A("0.2")},     {eBayUK, A("5"), A("0.35")},
    {eBayUK, A("14.99"), A("0.35")},   {eBayUK, A("15"), A("0.75")},
    {eBayUK, A("29.99"), A("0.75")},   {eBayUK, A("30"), A("1.5")},
    {eBayUK, A("99.99"), A("1.5")},    {eBayUK, A("100"), A("2")},
    {eBayUSA, A("0"), A("0")},         {eBayUSA, A("0.01"), A("0.25")},
    {eBayUSA, A("0.99"), A("0.25")},   {eBayUSA, A("1"), A("0.35")},
    {eBayUSA, A("9.99"), A("0.35")},   {eBayUSA, A("10"), A("0.6")},
    {eBayUSA, A("24.99"), A("0.6")},   {eBayUSA, A("25"), A("1.2")},
    {eBayUSA, A("49.99"), A("1.2")},   {eBayUSA, A("50"), A("2.4")},
    {eBayUSA, A("199.99"), A("2.4")},  {eBayUSA, A("200"), A("3.6")},
    {eBayUSA, A("499.99"), A("3.6")},  {eBayUSA, A("500"), A("4.8")},
};

// Every tier limit one cent below, at and one cent above it; the caps at and
// above their limits; the Netherlands' fee ceiling around 125.00.
constexpr FeeCase kFinalValueCases[] = {
    {eBayATR, A("49.99"), A("2.4995")},  {eBayATR, A("50"), A("2.5")},
    {eBayATR, A("50.01"), A("2.5004")},  {eBayATR, A("499.99"), A("20.4996")},
    {eBayATR, A("500"), A("20.5")},      {eBayATR, A("500.01"), A("20.5002")},
    {eBayAUS, A("74.99"), A("3.9369")},  {eBayAUS, A("75"), A("3.9375")},
    {eBayAUS, A("75.01"), A("3.9377")},  {eBayAUS, A("999.99"), A("29.3747")},
    {eBayAUS, A("1000"), A("29.375")},   {eBayAUS, A("1000.01"), A("29.3751")},
    {eBayCAN, A("34.99"), A("1.8369")},  {eBayCAN, A("35"), A("1.8375")},
    {eBayCAN, A("35.01"), A("1.8377")},  {eBayCAN, A("1449.99"), A("40.7497")},
    {eBayCAN, A("1450"), A("40.75")},    {eBayCAN, A("1450.01"), A("40.7501")},
    {eBayFRN, A("49.99"), A("2.4995")},  {eBayFRN, A("50"), A("2.5")},
    {eBayFRN, A("50.01"), A("2.5003")},  {eBayFRN, A("999.99"), A("35.7496")},
    {eBayFRN, A("1000"), A("35.75")},    {eBayFRN, A("1000.01"), A("35.7501")},
    {eBayGER, A("49.99"), A("2.4995")},  {eBayGER, A("50"), A("2.5")},
    {eBayGER, A("50.01"), A("2.5004")},  {eBayGER, A("499.99"), A("20.4996")},
    {eBayGER, A("500"), A("20.5")},      {eBayGER, A("500.01"), A("20.5002")},
    {eBayGER, A("2000"), A("50.5")},     {eBayGER, A("2000.01"), A("50.5")},
    {eBayNET, A("124.99"), A("4.9996")}, {eBayNET, A("125"), A("5")},
    {eBayNET, A("125.0024"), A("5")},    {eBayNET, A("125.0025"), A("5")},
    {eBayNET, A("125.01"), A("5")},      {eBayNET, A("200.00"), A("5")},
    {eBayNZ, A("24.99"), A("1.3119")},   {eBayNZ, A("25"), A("1.3125")},
    {eBayNZ, A("25.01"), A("1.3127")},   {eBayNZ, A("999.99"), A("28.1247")},
    {eBayNZ, A("1000"), A("28.125")},    {eBayNZ, A("1000.01"), A("28.1251")},
    {eBayUK, A("29.99"), A("1.5744")},   {eBayUK, A("30"), A("1.575")},
    {eBayUK, A("30.01"), A("1.5753")},   {eBayUK, A("599.99"), A("20.0996")},
    {eBayUK, A("600"), A("22.95")},      {eBayUK, A("600.01"), A("22.9501")},
    {eBayUSA, A("24.99"), A("1.3119")},  {eBayUSA, A("25"), A("1.3125")},
    {eBayUSA, A("25.01"), A("1.3127")},  {eBayUSA, A("999.99"), A("28.1247")},
    {eBayUSA, A("1000"), A("28.125")},   {eBayUSA, A("1000.01"), A("28.1251")},
    {eBayATR, A("0.0199"), A("0.0009")},  // truncated, not rounded
    {eBayGER, A("2400"), A("50.50")},
};

constexpr FeeCase kStoreFinalValueCases[] = {
    {eBayATR, A("49.99"), A("2.5995")}, {eBayATR, A("50"), A("2.6")},
    {eBayATR, A("50.01"), A("2.6004")}, {eBayATR, A("499.99"), A("20.5996")},
    {eBayATR, A("500"), A("20.6")},     {eBayATR, A("500.01"), A("20.6002")},
    {eBayATR, A("2000"), A("50.6")},    {eBayATR, A("2000.01"), A("50.6")},
    {eBayAUS, A("74.99"), A("3.9369")}, {eBayAUS, A("75"), A("3.9375")},
    {eBayAUS, A("75.01"), A("3.9377")}, {eBayAUS, A("999.99"), A("29.3747")},
    {eBayAUS, A("1000"), A("29.375")},  {eBayAUS, A("1000.01"), A("29.3751")},
    {eBayCAN, A("34.99"), A("2.7992")}, {eBayCAN, A("35"), A("2.8")},
    {eBayCAN, A("35.01"), A("2.8005")}, {eBayCAN, A("1449.99"), A("73.5495")},
    {eBayCAN, A("1450"), A("73.55")},   {eBayCAN, A("1450.01"), A("45.2503")},
    {eBayFRN, A("49.99"), A("2.4995")}, {eBayFRN, A("50"), A("2.5")},
    {eBayFRN, A("50.01"), A("2.5003")}, {eBayFRN, A("999.99"), A("35.7496")},
    {eBayFRN, A("1000"), A("35.75")},   {eBayFRN, A("1000.01"), A("35.7501")},
    {eBayGER, A("49.99"), A("2.5995")}, {eBayGER, A("50"), A("2.6")},
    {eBayGER, A("50.01"), A("2.6004")}, {eBayGER, A("499.99"), A("20.5996")},
    {eBayGER, A("500"), A("20.6")},     {eBayGER, A("500.01"), A("20.6002")},
    {eBayGER, A("2000"), A("50.6")},    {eBayGER, A("2000.01"), A("50.6")},
    {eBayNET, A("24.99"), A("1.9992")}, {eBayNET, A("25"), A("2")},
    {eBayNET, A("25.01"), A("2.0005")}, {eBayNET, A("999.99"), A("50.7495")},
    {eBayNET, A("1000"), A("50.75")},   {eBayNET, A("1000.01"), A("50.7503")},
    {eBayNZ, A("24.99"), A("1.9992")},  {eBayNZ, A("25"), A("2")},
    {eBayNZ, A("25.01"), A("2.0005")},  {eBayNZ, A("999.99"), A("50.7495")},
    {eBayNZ, A("1000"), A("50.75")},    {eBayNZ, A("1000.01"), A("50.7503")},
    {eBayUK, A("29.99"), A("1.5744")},  {eBayUK, A("30"), A("1.57")},
    {eBayUK, A("30.01"), A("1.5703")},  {eBayUK, A("599.99"), A("20.0946")},
    {eBayUK, A("600"), A("20.095")},    {eBayUK, A("600.01"), A("20.1001")},
    {eBayUSA, A("24.99"), A("1.9992")}, {eBayUSA, A("25"), A("2")},
    {eBayUSA, A("25.01"), A("2.0005")}, {eBayUSA, A("999.99"), A("50.7495")},
    {eBayUSA, A("1000"), A("50.75")},   {eBayUSA, A("1000.01"), A("50.7503")},
    {eBayGER, A("2400"), A("50.60")},
};

void ExpectFees(std::span<const FeeCase> cases, Money (*fee)(const SiteFees&, const Money&)) {
    for (const FeeCase& c : cases) {
        const SiteProfile& profile = SiteProfileOf(c.site);
        EXPECT_EQ(fee(profile.fees, c.price).Units(), c.fee.Units())
            << profile.className << " at " << c.price.Units() << " ten-thousandths";
    }
}

TEST(SiteFees, InsertionFeeChangesExactlyAtEachThreshold) {
    ExpectFees(kInsertionCases,
               [](const SiteFees& fees, const Money& price) { return fees.insertion.Fee(price); });
}

TEST(SiteFees, FinalValueFeeFollowsTheTiersCapsAndDiscontinuities) {
    ExpectFees(kFinalValueCases,
               [](const SiteFees& fees, const Money& price) { return fees.finalValue.Fee(price); });
}

TEST(SiteFees, StoreFinalValueFeeFollowsTheTiersCapsAndDiscontinuities) {
    ExpectFees(kStoreFinalValueCases, [](const SiteFees& fees, const Money& price) {
        return fees.storeFinalValue.Fee(price);
    });
}

TEST(SiteFees, StoreInsertionFeeChargesEveryThirtyDayPeriodAndAtLeastOne) {
    struct Case {
        SiteClass site;
        std::int32_t days;
        Money fee;
    };
    constexpr Case kCases[] = {
        {eBayUK, 29, A("0.05")},
        {eBayUK, 58, A("0.05")},
        {eBayUK, 59, A("0.10")},
        {eBayUK, 88, A("0.10")},
        {eBayUK, 89, A("0.15")},
        {eBayUK, -5, A("0.05")},
        {eBayUK, 0, A("0.05")},
        {eBayATR, 59, A("0.10")},
        {eBayGER, 59, A("0.10")},
        {eBayAUS, 59, A("0.20")},
        {eBayCAN, 89, A("0.06")},
        {eBayNZ, 89, A("0.06")},
        {eBayUSA, 89, A("0.06")},
        {eBayFRN, 89, A("0.03")},
        {eBayNET, 89, A("0.03")},
        {eBayUSA, INT32_MAX, A("1431655.76")},  // 71582788 periods, without overflow
    };
    for (const Case& c : kCases) {
        const SiteProfile& profile = SiteProfileOf(c.site);
        EXPECT_EQ(profile.fees.StoreInsertionFee(c.days), c.fee)
            << profile.className << " " << c.days << " days";
    }
}

TEST(SiteFees, TextsAreReadAndWrittenInTheUsersCurrencyFormat) {
    const PinnedLocale us(1033);
    const SiteFees& austria = SiteProfileOf(eBayATR).fees;
    EXPECT_EQ(austria.CalcFinalValueFee("$50.01"), "$2.50");
    EXPECT_EQ(austria.CalcInsertionFee("$1,000.00"), "$4.80");
    EXPECT_EQ(austria.CalcStoreInsertionFee("$1.00", 59), "$0.10");
    EXPECT_EQ(SiteProfileOf(eBayUK).fees.CalcStoreFinalValueFee("$600.00"), "$20.10");
    EXPECT_EQ(SiteProfileOf(eBayGER).fees.CalcFinalValueFee("$2,400.00"), "$50.50");

    const PinnedLocale german(1031);
    EXPECT_EQ(austria.CalcFinalValueFee("600,00 \x80"), "22,50 \x80");
}

TEST(SiteFees, AnUnreadablePriceGivesTheFeeZero) {
    const PinnedLocale us(1033);
    for (const SiteProfile& profile : AllSiteProfiles()) {
        SCOPED_TRACE(profile.className);
        if (profile.siteClass != eBayNET) {
            EXPECT_EQ(profile.fees.CalcInsertionFee(""), "$0.00");
        }
        EXPECT_EQ(profile.fees.CalcFinalValueFee("n/a"), "$0.00");
        EXPECT_EQ(profile.fees.CalcStoreFinalValueFee("n/a"), "$0.00");
    }
}

TEST(SiteFees, TheNetherlandsInsertionFeeIsFlatWhateverThePrice) {
    const PinnedLocale us(1033);
    const SiteFees& netherlands = SiteProfileOf(eBayNET).fees;
    for (const std::string_view price : {"", "n/a", "$0.00", "$5,000.00"}) {
        EXPECT_EQ(netherlands.CalcInsertionFee(price), "$0.10") << price;
    }
}

TEST(SiteFees, FranceAndAustraliaChargeTheirFinalValueFeeForStoreSales) {
    const PinnedLocale us(1033);
    for (const SiteClass site : {eBayFRN, eBayAUS}) {
        const SiteFees& fees = SiteProfileOf(site).fees;
        for (const std::string_view price : {"$10.00", "$75.01", "$999.99", "$1,500.00"}) {
            EXPECT_EQ(fees.CalcStoreFinalValueFee(price), fees.CalcFinalValueFee(price));
        }
    }
}

}  // namespace
}  // namespace gb::sites
