#pragma once
// A date and time as days since 1899-12-30 00:00 in a double, with a status.
// Negative day numbers follow the framework's convention: the integer part is
// the day and the fraction the time of day, whatever the sign (-1.25 is
// 1899-12-29 06:00). Calendar work is done on whole seconds, so day counts and
// hour arithmetic never suffer floating-point error. A null or invalid value
// keeps its raw payload so that files round-trip byte for byte.

#include <compare>
#include <cstdint>
#include <optional>

#include "platform/ValueStatus.h"

namespace gb {

// A broken-down calendar date and time.
struct CivilTime {
    int year = 1899;
    int month = 12;     // 1..12
    int day = 30;       // 1..31
    int hour = 0;       // 0..23
    int minute = 0;     // 0..59
    int second = 0;     // 0..59
    int dayOfWeek = 0;  // 1 Sunday .. 7 Saturday, filled in by conversions
    int dayOfYear = 0;  // 1..366, filled in by conversions

    bool operator==(const CivilTime&) const = default;
};

// Packed to 4 bytes: the status and the payload then take 12 bytes instead
// of 16, which counts in records that hold many values by the hundred thousand.
#pragma pack(push, 4)
class DateTime {
public:
    // Years 100 to 9999, the range the value type accepts.
    static constexpr int kMinYear = 100;
    static constexpr int kMaxYear = 9999;

    // A null value.
    constexpr DateTime() = default;

    static DateTime FromDays(double days);
    static DateTime FromCivil(int year, int month, int day, int hour = 0, int minute = 0,
                              int second = 0);
    static constexpr DateTime Null() { return DateTime(ValueStatus::Null, 0.0); }
    static constexpr DateTime Invalid() { return DateTime(ValueStatus::Invalid, 0.0); }
    // Any status with any payload, as read from a file.
    static constexpr DateTime FromRaw(ValueStatus status, double days) {
        return DateTime(status, days);
    }

    constexpr ValueStatus Status() const { return status_; }
    constexpr bool IsValid() const { return status_ == ValueStatus::Valid; }
    constexpr bool IsNull() const { return status_ == ValueStatus::Null; }
    // Days since 1899-12-30 (the raw payload when not valid).
    constexpr double Days() const { return days_; }

    // The calendar date and time, rounded to the second; nothing when not valid.
    std::optional<CivilTime> ToCivil() const;

    // Moved by whole hours or seconds; invalid when the result leaves the range.
    // Null and invalid values stay as they are.
    DateTime AddHours(std::int64_t hours) const;
    DateTime AddSeconds(std::int64_t seconds) const;
    // Midnight of the same day.
    DateTime DatePart() const;

    // Whole days from `from` to `to` (negative when `to` is earlier), counted on
    // exact seconds and truncated toward zero; nothing unless both are valid.
    static std::optional<std::int64_t> WholeDaysBetween(const DateTime& from, const DateTime& to);

    // Exact equality of status and payload.
    constexpr bool operator==(const DateTime&) const = default;
    // Orders valid values in time; a non-valid value compares unordered.
    std::partial_ordering operator<=>(const DateTime& other) const;

private:
    constexpr DateTime(ValueStatus status, double days) : status_(status), days_(days) {}
    // Seconds since the epoch on a straight time line, rounded to the second.
    std::int64_t LinearSeconds() const;
    static DateTime FromLinearSeconds(std::int64_t seconds);

    ValueStatus status_ = ValueStatus::Null;
    double days_ = 0.0;
};
#pragma pack(pop)

}  // namespace gb
