#include "platform/DateTime.h"

#include <cmath>

namespace gb {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 to a proleptic Gregorian date, and back.
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct YearMonthDay {
    int year;
    int month;
    int day;
};

constexpr YearMonthDay CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// The day numbers of 1899-12-30 from 1970, and of the first and last day of the range.
constexpr std::int64_t kEpochFrom1970 = DaysFromCivil(1899, 12, 30);
constexpr std::int64_t kMinDay = DaysFromCivil(DateTime::kMinYear, 1, 1) - kEpochFrom1970;
constexpr std::int64_t kMaxDay = DaysFromCivil(DateTime::kMaxYear, 12, 31) - kEpochFrom1970;

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The framework's day number as a point on a straight time line: for negative
// day numbers the fraction still counts forward from the start of the day.
double LinearDays(double days) {
    if (days >= 0) {
        return days;
    }
    const double whole = std::trunc(days);
    return whole + (whole - days);
}

}  // namespace

DateTime DateTime::FromDays(double days) {
    if (!std::isfinite(days) || std::trunc(days) < static_cast<double>(kMinDay) ||
        std::trunc(days) > static_cast<double>(kMaxDay)) {
        return Invalid();
    }
    return DateTime(ValueStatus::Valid, days);
}

DateTime DateTime::FromCivil(int year, int month, int day, int hour, int minute, int second) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        return Invalid();
    }
    const std::int64_t dayNumber =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        kEpochFrom1970;
    return FromLinearSeconds(dayNumber * kSecondsPerDay + hour * 3600 + minute * 60 + second);
}

std::int64_t DateTime::LinearSeconds() const {
    if (days_ >= 0) {
        return std::llround(days_ * kSecondsPerDay);
    }
    const double whole = std::trunc(days_);
    return static_cast<std::int64_t>(whole) * kSecondsPerDay +
           std::llround((whole - days_) * kSecondsPerDay);
}

DateTime DateTime::FromLinearSeconds(std::int64_t seconds) {
    const std::int64_t day = FloorDiv(seconds, kSecondsPerDay);
    if (day < kMinDay || day > kMaxDay) {
        return Invalid();
    }
    const double fraction =
        static_cast<double>(seconds - day * kSecondsPerDay) / static_cast<double>(kSecondsPerDay);
    const double dayNumber = static_cast<double>(day);
    return DateTime(ValueStatus::Valid, day >= 0 ? dayNumber + fraction : dayNumber - fraction);
}

std::optional<CivilTime> DateTime::ToCivil() const {
    if (!IsValid()) {
        return std::nullopt;
    }
    const std::int64_t seconds = LinearSeconds();
    const std::int64_t day = FloorDiv(seconds, kSecondsPerDay);
    const std::int64_t secondOfDay = seconds - day * kSecondsPerDay;
    const YearMonthDay date = CivilFromDays(day + kEpochFrom1970);

    CivilTime civil;
    civil.year = date.year;
    civil.month = date.month;
    civil.day = date.day;
    civil.hour = static_cast<int>(secondOfDay / 3600);
    civil.minute = static_cast<int>(secondOfDay / 60 % 60);
    civil.second = static_cast<int>(secondOfDay % 60);
    // Day 0, 1899-12-30, was a Saturday.
    civil.dayOfWeek = static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
    civil.dayOfYear = static_cast<int>(day + kEpochFrom1970 - DaysFromCivil(date.year, 1, 1)) + 1;
    return civil;
}

DateTime DateTime::AddHours(std::int64_t hours) const {
    std::int64_t seconds = 0;
    if (__builtin_mul_overflow(hours, std::int64_t{3600}, &seconds)) {
        return IsValid() ? Invalid() : *this;
    }
    return AddSeconds(seconds);
}

DateTime DateTime::AddSeconds(std::int64_t seconds) const {
    if (!IsValid()) {
        return *this;
    }
    std::int64_t moved = 0;
    if (__builtin_add_overflow(LinearSeconds(), seconds, &moved)) {
        return Invalid();
    }
    return FromLinearSeconds(moved);
}

DateTime DateTime::DatePart() const {
    if (!IsValid()) {
        return *this;
    }
    return FromLinearSeconds(FloorDiv(LinearSeconds(), kSecondsPerDay) * kSecondsPerDay);
}

std::optional<std::int64_t> DateTime::WholeDaysBetween(const DateTime& from, const DateTime& to) {
    if (!from.IsValid() || !to.IsValid()) {
        return std::nullopt;
    }
    return (to.LinearSeconds() - from.LinearSeconds()) / kSecondsPerDay;
}

std::partial_ordering DateTime::operator<=>(const DateTime& other) const {
    if (!IsValid() || !other.IsValid()) {
        return std::partial_ordering::unordered;
    }
    return LinearDays(days_) <=> LinearDays(other.days_);
}

}  // namespace gb
