#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/Locale.h"

// Windows-1252 bytes in literals: 0x80 euro, 0xA3 pound, 0xA0 no-break space.
// A literal is split after an escape that a hex letter or digit follows.

namespace gb {
namespace {

constexpr Lcid kAllLocales[] = {1033, 2057, 3081, 4105, 5129, 1031, 1036, 1043};

struct ReadCase {
    Lcid locale;
    const char* text;
    std::optional<std::int64_t> units;  // nothing: the text must not be read
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    // Escaped, so that code-page bytes do not reach test names raw.
    return out << c.locale << ' ' << testing::PrintToString(std::string(c.text));
}

class CurrencyReading : public testing::TestWithParam<ReadCase> {};

TEST_P(CurrencyReading, ReadsTheLocalesFormsAndRefusesOthers) {
    const ReadCase& c = GetParam();
    const Money read = ParseCurrency(c.text, c.locale);
    if (c.units) {
        EXPECT_EQ(read, Money::FromUnits(*c.units));
    } else {
        EXPECT_EQ(read.Status(), ValueStatus::Invalid) << "read as " << read.Units();
    }
}

INSTANTIATE_TEST_SUITE_P(
    EnglishUS, CurrencyReading,
    testing::Values(
        ReadCase{1033, "$12.50", 125000}, ReadCase{1033, "$1,234.50", 12345000},
        ReadCase{1033, "12.50", 125000}, ReadCase{1033, "($12.50)", -125000},
        ReadCase{1033, "-$12.50", -125000}, ReadCase{1033, "$-12.50", -125000},
        ReadCase{1033, "12.50-", -125000}, ReadCase{1033, "+3", 30000},
        ReadCase{1033, " \t$ 12.50 ", 125000}, ReadCase{1033, "12.50$", 125000},
        ReadCase{1033, ".5", 5000}, ReadCase{1033, "12.", 120000}, ReadCase{1033, "0.0001", 1},
        ReadCase{1033, "1,234,567", 12345670000},
        ReadCase{1033, "922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        ReadCase{1033, "-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
        ReadCase{1033, "US $12.50", std::nullopt}, ReadCase{1033, "nbsp;$12.50", std::nullopt},
        ReadCase{1033, "abc", std::nullopt}, ReadCase{1033, "1..2", std::nullopt},
        ReadCase{1033, "", std::nullopt}, ReadCase{1033, " ", std::nullopt},
        ReadCase{1033, "$", std::nullopt}, ReadCase{1033, ".", std::nullopt},
        ReadCase{1033, "12,50", std::nullopt}, ReadCase{1033, "1,2345", std::nullopt},
        ReadCase{1033, "1234,567", std::nullopt}, ReadCase{1033, "1,234,", std::nullopt},
        ReadCase{1033, "12.34567", std::nullopt},
        ReadCase{1033, "922337203685477.5808", std::nullopt},
        ReadCase{1033, "-922337203685477.5809", std::nullopt},
        ReadCase{1033, "99999999999999999999999", std::nullopt},
        ReadCase{1033, "($12.50", std::nullopt}, ReadCase{1033, "$12.50)", std::nullopt},
        ReadCase{1033, "5(", std::nullopt}, ReadCase{1033, "5()", std::nullopt},
        ReadCase{1033, "$5 ()", std::nullopt}, ReadCase{1033, "-(5)", std::nullopt},
        ReadCase{1033, "--5", std::nullopt}, ReadCase{1033, "5--", std::nullopt},
        ReadCase{1033, "$$5", std::nullopt},
        ReadCase{1033,
                 "\xA3"
                 "5",
                 std::nullopt},
        ReadCase{1033, "12 50", std::nullopt}, ReadCase{1033, "5e3", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    EnglishOther, CurrencyReading,
    testing::Values(ReadCase{2057, " 12.50", 125000}, ReadCase{2057, "1,234.50", 12345000},
                    ReadCase{2057,
                             "\xA3"
                             "12.50",
                             125000},
                    ReadCase{2057,
                             "-\xA3"
                             "12.50",
                             -125000},
                    ReadCase{2057, "$12.50", std::nullopt}, ReadCase{2057, "12,50", std::nullopt},
                    ReadCase{3081, "$12.50", 125000}, ReadCase{3081, "-$1,234.50", -12345000},
                    ReadCase{3081, "AU $12.50", std::nullopt}, ReadCase{4105, "$12.50", 125000},
                    ReadCase{4105, "C $12.50", std::nullopt}, ReadCase{5129, "$12.50", 125000},
                    ReadCase{5129, "12,50", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Euro, CurrencyReading,
    testing::Values(
        ReadCase{1031, "12,50", 125000}, ReadCase{1031, "1.234,50", 12345000},
        ReadCase{1031, "12,50 \x80", 125000}, ReadCase{1031, "-12,50 \x80", -125000},
        ReadCase{1031,
                 "\x80"
                 "12,50",
                 125000},
        ReadCase{1031, "EUR 12,50", std::nullopt}, ReadCase{1031, "12,50 EUR", std::nullopt},
        ReadCase{1031, "12.50", std::nullopt}, ReadCase{1031, "1.23,50", std::nullopt},
        ReadCase{1031, "$12,50", std::nullopt}, ReadCase{1031, "12,50 \x80 \x80", std::nullopt},
        ReadCase{1036, "12,50", 125000}, ReadCase{1036, "1 234,50", 12345000},
        ReadCase{1036,
                 "1\xA0"
                 "234,50",
                 12345000},
        ReadCase{1036, "1 234 \x80", 12340000}, ReadCase{1036, "12,50\xA0\x80", 125000},
        ReadCase{1036, "12.50", std::nullopt}, ReadCase{1036, "12 50", std::nullopt},
        ReadCase{1036, "1.234,50", std::nullopt}, ReadCase{1043, "\x80 12,50", 125000},
        ReadCase{1043, "\x80 12,50-", -125000}, ReadCase{1043, "\x80 -1.234,50", -12345000},
        ReadCase{1043, "12.50", std::nullopt}, ReadCase{1043, "EUR 12,50", std::nullopt}));

TEST(CurrencyReading, FailsForAnUnknownLocaleOrAnEmbeddedZeroByte) {
    EXPECT_EQ(ParseCurrency("12.50", 9999).Status(), ValueStatus::Invalid);
    EXPECT_EQ(ParseCurrency(std::string_view("5\0", 2), 1033).Status(), ValueStatus::Invalid);
}

struct FormatCase {
    Lcid locale;
    const char* plainNumber;
    std::optional<std::string> text;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
    return out << c.locale << " \"" << c.plainNumber << '"';
}

class CurrencyFormatting : public testing::TestWithParam<FormatCase> {};

TEST_P(CurrencyFormatting, WritesTheLocalesCurrencyFormat) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatCurrencyNumber(c.plainNumber, c.locale), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    RoundingHalfAwayFromZero, CurrencyFormatting,
    testing::Values(FormatCase{1033, "2.375", "$2.38"}, FormatCase{1033, "1.575", "$1.58"},
                    FormatCase{1033, "2.3749", "$2.37"}, FormatCase{1033, "-2.375", "($2.38)"},
                    FormatCase{1033, "0.005", "$0.01"}, FormatCase{1033, "-0.005", "($0.01)"},
                    FormatCase{1033, "999.995", "$1,000.00"}, FormatCase{1033, "-0.001", "$0.00"},
                    FormatCase{1033, "-0", "$0.00"}));

INSTANTIATE_TEST_SUITE_P(
    Patterns, CurrencyFormatting,
    testing::Values(FormatCase{1033, "-3", "($3.00)"},
                    FormatCase{1033, "1234567.5", "$1,234,567.50"}, FormatCase{1033, "0", "$0.00"},
                    FormatCase{1033, ".5", "$0.50"}, FormatCase{1033, "007", "$7.00"},
                    FormatCase{1033, "123", "$123.00"},
                    FormatCase{2057, "-3",
                               "-\xA3"
                               "3.00"},
                    FormatCase{3081, "-1234", "-$1,234.00"}, FormatCase{4105, "-3", "-$3.00"},
                    FormatCase{5129, "3", "$3.00"}, FormatCase{1031, "1234.5", "1.234,50 \x80"},
                    FormatCase{1031, "-1234.5", "-1.234,50 \x80"},
                    FormatCase{1036, "1234.5",
                               "1\xA0"
                               "234,50 \x80"},
                    FormatCase{1036, "-12.5", "-12,50 \x80"},
                    FormatCase{1043, "1234.5", "\x80 1.234,50"},
                    FormatCase{1043, "-1234.5", "\x80 1.234,50-"}));

INSTANTIATE_TEST_SUITE_P(
    NotAPlainNumber, CurrencyFormatting,
    testing::Values(FormatCase{1033, "", std::nullopt}, FormatCase{1033, "-", std::nullopt},
                    FormatCase{1033, ".", std::nullopt}, FormatCase{1033, "1,5", std::nullopt},
                    FormatCase{1033, "1.2.3", std::nullopt}, FormatCase{1033, " 1", std::nullopt},
                    FormatCase{1033, "+1", std::nullopt}, FormatCase{1033, "1e3", std::nullopt},
                    FormatCase{1033, "$1", std::nullopt}, FormatCase{9999, "1", std::nullopt}));

TEST(CurrencyPlainText, WritesTheShortestPlainNumber) {
    EXPECT_EQ(CurrencyToPlainText(Money::FromUnits(125000)), "12.5");
    EXPECT_EQ(CurrencyToPlainText(Money::FromUnits(-30000)), "-3");
    EXPECT_EQ(CurrencyToPlainText(Money::FromUnits(1)), "0.0001");
    EXPECT_EQ(CurrencyToPlainText(Money::FromUnits(-1)), "-0.0001");
    EXPECT_EQ(CurrencyToPlainText(Money::FromUnits(0)), "0");
    EXPECT_EQ(CurrencyToPlainText(Money::FromUnits(std::numeric_limits<std::int64_t>::min())),
              "-922337203685477.5808");
    EXPECT_EQ(CurrencyToPlainText(Money::FromUnits(std::numeric_limits<std::int64_t>::max())),
              "922337203685477.5807");
}

TEST(CurrencyPlainText, IsEmptyForNullAndInvalid) {
    EXPECT_EQ(CurrencyToPlainText(Money::Null()), "");
    EXPECT_EQ(CurrencyToPlainText(Money::Invalid()), "");
}

TEST(CurrencyRoundTrip, WhatIsWrittenReadsBackToTheCurrencyDigits) {
    // Whole cents up to the largest amount that rounds within range.
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max() / 100 * 100;
    const std::int64_t amounts[] = {0,           100,          -100,     125000,   -125000,
                                    12345678900, -12345678900, kLargest, -kLargest};
    for (const Lcid locale : kAllLocales) {
        for (const std::int64_t units : amounts) {
            const Money amount = Money::FromUnits(units);
            const std::optional<std::string> text =
                FormatCurrencyNumber(CurrencyToPlainText(amount), locale);
            ASSERT_TRUE(text) << locale << ' ' << units;
            EXPECT_EQ(ParseCurrency(*text, locale), amount) << locale << " \"" << *text << '"';
        }
        // Amounts finer than a cent come back rounded.
        const std::optional<std::string> rounded = FormatCurrencyNumber("2.375", locale);
        ASSERT_TRUE(rounded);
        EXPECT_EQ(ParseCurrency(*rounded, locale), Money::FromUnits(23800)) << locale;
    }
}

}  // namespace
}  // namespace gb
