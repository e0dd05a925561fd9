#include "sites/TextUtilities.h"

#include <gtest/gtest.h>

#include <string>

#include "PinnedLocale.h"

namespace {

TEST(ReplaceToken, ReplacesOnlyTheFirstOccurrenceCaseSensitively) {
    std::string text = "since=$DAYS$&again=$DAYS$";
    EXPECT_TRUE(ReplaceToken(text, "$DAYS$", "31"));
    EXPECT_EQ(text, "since=31&again=$DAYS$");

    std::string lower = "x=$days$";
    EXPECT_FALSE(ReplaceToken(lower, "$DAYS$", "31"));
    EXPECT_EQ(lower, "x=$days$");
}

TEST(ReplaceToken, LeavesTheTextAloneForAnAbsentOrEmptyToken) {
    std::string text = "page=$PAGENUM$";
    EXPECT_FALSE(ReplaceToken(text, "$DAYS$", "31"));
    EXPECT_FALSE(ReplaceToken(text, "", "31"));
    EXPECT_EQ(text, "page=$PAGENUM$");
    EXPECT_TRUE(ReplaceToken(text, "$PAGENUM$", ""));
    EXPECT_EQ(text, "page=");
}

TEST(FormatCurrency, WritesTheUsersCurrencyFormatRoundedToItsDigits) {
    const PinnedLocale us(1033);
    std::string out = "old";
    EXPECT_TRUE(FormatCurrency(out, gb::Money::FromUnits(12345678)));
    EXPECT_EQ(out, "$1,234.57");
    EXPECT_TRUE(FormatCurrency(out, gb::Money::FromUnits(200950)));
    EXPECT_EQ(out, "$20.10") << "half away from zero";
    EXPECT_TRUE(FormatCurrency(out, gb::Money::FromUnits(-25000)));
    EXPECT_EQ(out, "($2.50)");
    EXPECT_TRUE(FormatCurrency(out, gb::Money()));
    EXPECT_EQ(out, "$0.00");

    const PinnedLocale german(1031);
    EXPECT_TRUE(FormatCurrency(out, gb::Money::FromUnits(12345678)));
    EXPECT_EQ(out, "1.234,57 \x80");
}

TEST(FormatCurrency, GivesTheEmptyTextForANullOrInvalidValue) {
    const PinnedLocale us(1033);
    std::string out = "old";
    EXPECT_FALSE(FormatCurrency(out, gb::Money::Null()));
    EXPECT_EQ(out, "");
    out = "old";
    EXPECT_FALSE(FormatCurrency(out, gb::Money::Invalid()));
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
