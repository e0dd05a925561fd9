#pragma once
// A currency amount: a signed 64-bit count of ten-thousandths with a status.
// Arithmetic is exact; an overflow gives an invalid value. A null or invalid
// value keeps its raw payload so that files round-trip byte for byte.

#include <compare>
#include <cstdint>
#include <optional>

#include "platform/ValueStatus.h"

namespace gb {

// Packed to 4 bytes: the status and the payload then take 12 bytes instead
// of 16, which counts in records that hold many values by the hundred thousand.
#pragma pack(push, 4)
class Money {
public:
    static constexpr std::int64_t kUnitsPerWhole = 10000;

    // A valid zero.
    constexpr Money() = default;

    static constexpr Money FromUnits(std::int64_t units) {
        return Money(ValueStatus::Valid, units);
    }
    // Whole amount plus ten-thousandths; invalid on overflow.
    static Money FromParts(std::int64_t whole, std::int64_t tenThousandths);
    static constexpr Money Null() { return Money(ValueStatus::Null, 0); }
    static constexpr Money Invalid() { return Money(ValueStatus::Invalid, 0); }
    // Any status with any payload, as read from a file.
    static constexpr Money FromRaw(ValueStatus status, std::int64_t units) {
        return Money(status, units);
    }

    constexpr ValueStatus Status() const { return status_; }
    constexpr bool IsValid() const { return status_ == ValueStatus::Valid; }
    constexpr bool IsNull() const { return status_ == ValueStatus::Null; }
    // The count of ten-thousandths (the raw payload when not valid).
    constexpr std::int64_t Units() const { return units_; }

    // Null wins over invalid: null op anything is null, invalid op valid is
    // invalid, and an overflow is invalid.
    Money operator+(const Money& other) const;
    Money operator-(const Money& other) const;
    Money operator-() const;
    Money& operator+=(const Money& other) { return *this = *this + other; }
    Money& operator-=(const Money& other) { return *this = *this - other; }
    Money operator*(std::int64_t factor) const;
    // Multiplies by `numerator` and divides by `denominator`, truncating toward
    // zero, without intermediate overflow. Invalid on a zero denominator or when
    // the result does not fit.
    Money MulDiv(std::int64_t numerator, std::int64_t denominator) const;

    // Exact equality of status and payload.
    constexpr bool operator==(const Money&) const = default;
    // Orders valid values by amount; a non-valid value compares unordered.
    std::partial_ordering operator<=>(const Money& other) const;

private:
    constexpr Money(ValueStatus status, std::int64_t units) : status_(status), units_(units) {}
    static Money Combine(const Money& a, const Money& b, std::optional<std::int64_t> result);

    ValueStatus status_ = ValueStatus::Valid;
    std::int64_t units_ = 0;
};
#pragma pack(pop)

}  // namespace gb
