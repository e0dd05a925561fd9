#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <limits>

namespace gb {
namespace {

CivilTime Civil(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    CivilTime t;
    t.year = y, t.month = mo, t.day = d, t.hour = h, t.minute = mi, t.second = s;
    return t;
}

void ExpectCivil(const DateTime& value, const CivilTime& expected) {
    const auto civil = value.ToCivil();
    ASSERT_TRUE(civil.has_value()) << value.Days();
    EXPECT_EQ(civil->year, expected.year) << value.Days();
    EXPECT_EQ(civil->month, expected.month) << value.Days();
    EXPECT_EQ(civil->day, expected.day) << value.Days();
    EXPECT_EQ(civil->hour, expected.hour) << value.Days();
    EXPECT_EQ(civil->minute, expected.minute) << value.Days();
    EXPECT_EQ(civil->second, expected.second) << value.Days();
}

struct DayCase {
    double days;
    CivilTime civil;
};

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << "day " << c.days;
}

class DateTimeDayNumbers : public ::testing::TestWithParam<DayCase> {};

TEST_P(DateTimeDayNumbers, ConvertBothWays) {
    const DayCase c = GetParam();
    ExpectCivil(DateTime::FromDays(c.days), c.civil);
    const DateTime built = DateTime::FromCivil(c.civil.year, c.civil.month, c.civil.day,
                                               c.civil.hour, c.civil.minute, c.civil.second);
    EXPECT_DOUBLE_EQ(built.Days(), c.days);
}

INSTANTIATE_TEST_SUITE_P(
    FrameworkConvention, DateTimeDayNumbers,
    ::testing::Values(DayCase{0.0, Civil(1899, 12, 30)}, DayCase{2.5, Civil(1900, 1, 1, 12)},
                      DayCase{-1.25, Civil(1899, 12, 29, 6)},
                      DayCase{-1.75, Civil(1899, 12, 29, 18)}, DayCase{1.0, Civil(1899, 12, 31)},
                      DayCase{60.0, Civil(1900, 2, 28)}, DayCase{36526.0, Civil(2000, 1, 1)},
                      DayCase{37599.6041666666715173, Civil(2002, 12, 9, 14, 30)},
                      DayCase{-657434.0, Civil(100, 1, 1)},
                      DayCase{2958465.0, Civil(9999, 12, 31)}));

TEST(DateTime, DefaultIsNull) {
    EXPECT_TRUE(DateTime().IsNull());
}

TEST(DateTime, FromCivilRejectsImpossibleDates) {
    EXPECT_FALSE(DateTime::FromCivil(2002, 2, 29).IsValid());
    EXPECT_TRUE(DateTime::FromCivil(2004, 2, 29).IsValid());
    EXPECT_FALSE(DateTime::FromCivil(2002, 13, 1).IsValid());
    EXPECT_FALSE(DateTime::FromCivil(2002, 1, 1, 24).IsValid());
    EXPECT_FALSE(DateTime::FromCivil(99, 12, 31).IsValid());
    EXPECT_FALSE(DateTime::FromCivil(10000, 1, 1).IsValid());
}

TEST(DateTime, FromDaysRejectsNonNumbersAndOutOfRange) {
    EXPECT_FALSE(DateTime::FromDays(std::numeric_limits<double>::quiet_NaN()).IsValid());
    EXPECT_FALSE(DateTime::FromDays(std::numeric_limits<double>::infinity()).IsValid());
    EXPECT_FALSE(DateTime::FromDays(2958466.0).IsValid());
    EXPECT_FALSE(DateTime::FromDays(-657435.0).IsValid());
}

TEST(DateTime, CivilCarriesDayOfWeekAndYear) {
    const auto saturday = DateTime::FromDays(0).ToCivil();
    EXPECT_EQ(saturday->dayOfWeek, 7);
    const auto monday = DateTime::FromCivil(2002, 12, 9).ToCivil();
    EXPECT_EQ(monday->dayOfWeek, 2);
    EXPECT_EQ(monday->dayOfYear, 343);
}

TEST(DateTime, AddHoursCrossesMidnightBothWays) {
    const DateTime ten = DateTime::FromCivil(2002, 12, 9, 10);
    ExpectCivil(ten.AddHours(3), Civil(2002, 12, 9, 13));
    ExpectCivil(ten.AddHours(-5), Civil(2002, 12, 9, 5));
    ExpectCivil(DateTime::FromCivil(2002, 12, 9, 2).AddHours(-5), Civil(2002, 12, 8, 21));
    ExpectCivil(DateTime::FromCivil(2002, 12, 31, 22).AddHours(5), Civil(2003, 1, 1, 3));
    // Across day 0, where the day-number convention changes direction.
    ExpectCivil(DateTime::FromDays(0.125).AddHours(-5), Civil(1899, 12, 29, 22));
    EXPECT_DOUBLE_EQ(DateTime::FromDays(0.125).AddHours(-5).Days(), -1.0 - 22.0 / 24.0);
}

TEST(DateTime, AddHoursKeepsNullAndLeavesTheRangeAsInvalid) {
    EXPECT_TRUE(DateTime::Null().AddHours(3).IsNull());
    EXPECT_FALSE(DateTime::FromCivil(9999, 12, 31, 23).AddHours(1).IsValid());
}

TEST(DateTime, DatePartIsMidnightOfTheSameDay) {
    ExpectCivil(DateTime::FromCivil(2002, 12, 9, 14, 30).DatePart(), Civil(2002, 12, 9));
    EXPECT_DOUBLE_EQ(DateTime::FromDays(-1.25).DatePart().Days(), -1.0);
}

TEST(DateTime, WholeDaysBetweenCountsExactSeconds) {
    const DateTime start = DateTime::FromCivil(2002, 10, 11, 14, 30);
    // Built from a day number with a binary fraction error, exactly 59 days on.
    const DateTime end = DateTime::FromDays(start.Days() + 59.0 - 1e-9);
    EXPECT_EQ(DateTime::WholeDaysBetween(start, end), 59);
    EXPECT_EQ(DateTime::WholeDaysBetween(end, start), -59);
    EXPECT_EQ(DateTime::WholeDaysBetween(start, start.AddHours(47)), 1);
    EXPECT_FALSE(DateTime::WholeDaysBetween(start, DateTime::Null()).has_value());
}

TEST(DateTime, OrdersOnTheTimeLineAcrossDayZero) {
    EXPECT_LT(DateTime::FromDays(-1.25), DateTime::FromDays(-1.75));
    EXPECT_LT(DateTime::FromDays(-1.75), DateTime::FromDays(0.0));
    EXPECT_FALSE(DateTime::Null() < DateTime::FromDays(1.0));
}

}  // namespace
}  // namespace gb
