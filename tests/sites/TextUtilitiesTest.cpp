#include "sites/TextUtilities.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/PinnedLocale.h"

using gb::test::PinnedLocale;

using namespace gb::sites;

namespace {

TEST(FormatCurrencyOrEmpty, WritesTheUsersCurrencyFormatRoundedToItsDigits) {
    const PinnedLocale us(1033);
    std::string out = "old";
    EXPECT_TRUE(FormatCurrencyOrEmpty(out, gb::Money::FromUnits(12345678)));
    EXPECT_EQ(out, "$1,234.57");
    EXPECT_TRUE(FormatCurrencyOrEmpty(out, gb::Money::FromUnits(200950)));
    EXPECT_EQ(out, "$20.10") << "half away from zero";
    EXPECT_TRUE(FormatCurrencyOrEmpty(out, gb::Money::FromUnits(-25000)));
    EXPECT_EQ(out, "($2.50)");
    EXPECT_TRUE(FormatCurrencyOrEmpty(out, gb::Money()));
    EXPECT_EQ(out, "$0.00");

    const PinnedLocale german(1031);
    EXPECT_TRUE(FormatCurrencyOrEmpty(out, gb::Money::FromUnits(12345678)));
    EXPECT_EQ(out, "1.234,57 \x80");
}

TEST(FormatCurrencyOrEmpty, GivesTheEmptyTextForANullOrInvalidValue) {
    const PinnedLocale us(1033);
    std::string out = "old";
    EXPECT_FALSE(FormatCurrencyOrEmpty(out, gb::Money::Null()));
    EXPECT_EQ(out, "");
    out = "old";
    EXPECT_FALSE(FormatCurrencyOrEmpty(out, gb::Money::Invalid()));
    EXPECT_EQ(out, "");
}

TEST(DaysBetween, CountsWholeDaysTruncatedTowardZero) {
    const PinnedLocale us(1033);
    EXPECT_EQ(DaysBetween("3/15/2003 10:00:00 AM", "3/15/2003 10:00:00 AM"), 0);
    EXPECT_EQ(DaysBetween("3/15/2003 10:00:00 AM", "3/16/2003 9:59:59 AM"), 0);
    EXPECT_EQ(DaysBetween("3/15/2003 10:00:00 AM", "3/16/2003 10:00:00 AM"), 1);
    EXPECT_EQ(DaysBetween("3/16/2003 6:00:00 PM", "3/15/2003"), -1);
    EXPECT_EQ(DaysBetween("12/31/2002", "1/1/2004"), 366);
}

TEST(DaysBetween, AnExactSpanOfDaysNeverLosesADayAtAnyTimeOfDay) {
    const PinnedLocale us(1033);
    // Every 7 minutes and 13 seconds through a day, for spans whose day
    // numbers are far apart.
    for (int second = 0; second < 24 * 3600; second += 433) {
        const int hour = second / 3600;
        const std::string time = std::to_string(hour % 12 == 0 ? 12 : hour % 12) + ":" +
                                 std::to_string(second / 60 % 60) + ":" +
                                 std::to_string(second % 60) + (hour < 12 ? " AM" : " PM");
        ASSERT_EQ(DaysBetween("1/1/2003 " + time, "3/1/2003 " + time), 59) << time;
        ASSERT_EQ(DaysBetween("11/2/1999 " + time, "12/31/2099 " + time), 36584) << time;
    }
}

TEST(DaysBetween, IsZeroWhenEitherDateCannotBeRead) {
    const PinnedLocale us(1033);
    EXPECT_EQ(DaysBetween("soon", "3/16/2003"), 0);
    EXPECT_EQ(DaysBetween("3/16/2003", ""), 0);
    EXPECT_EQ(DaysBetween("16.03.2003", "3/20/2003"), 0) << "read in the user's locale";
}

}  // namespace
