#include "platform/Money.h"

#include <limits>

namespace gb {

namespace {
__extension__ typedef __int128 WideInt;
}  // namespace

Money Money::FromParts(std::int64_t whole, std::int64_t tenThousandths) {
    std::int64_t units = 0;
    if (__builtin_mul_overflow(whole, kUnitsPerWhole, &units) ||
        __builtin_add_overflow(units, tenThousandths, &units)) {
        return Invalid();
    }
    return FromUnits(units);
}

Money Money::Combine(const Money& a, const Money& b, std::optional<std::int64_t> result) {
    if (a.IsNull() || b.IsNull()) {
        return Null();
    }
    if (!a.IsValid() || !b.IsValid() || !result) {
        return Invalid();
    }
    return FromUnits(*result);
}

Money Money::operator+(const Money& other) const {
    std::int64_t sum = 0;
    const bool overflow = __builtin_add_overflow(units_, other.units_, &sum);
    return Combine(*this, other, overflow ? std::nullopt : std::optional(sum));
}

Money Money::operator-(const Money& other) const {
    std::int64_t difference = 0;
    const bool overflow = __builtin_sub_overflow(units_, other.units_, &difference);
    return Combine(*this, other, overflow ? std::nullopt : std::optional(difference));
}

Money Money::operator-() const {
    return Money() - *this;
}

Money Money::operator*(std::int64_t factor) const {
    std::int64_t product = 0;
    const bool overflow = __builtin_mul_overflow(units_, factor, &product);
    return Combine(*this, Money(), overflow ? std::nullopt : std::optional(product));
}

Money Money::MulDiv(std::int64_t numerator, std::int64_t denominator) const {
    if (denominator == 0) {
        return Combine(*this, Money(), std::nullopt);
    }
    const WideInt quotient = static_cast<WideInt>(units_) * numerator / denominator;
    const bool fits = quotient >= std::numeric_limits<std::int64_t>::min() &&
                      quotient <= std::numeric_limits<std::int64_t>::max();
    return Combine(*this, Money(),
                   fits ? std::optional(static_cast<std::int64_t>(quotient)) : std::nullopt);
}

std::partial_ordering Money::operator<=>(const Money& other) const {
    if (!IsValid() || !other.IsValid()) {
        return std::partial_ordering::unordered;
    }
    return units_ <=> other.units_;
}

}  // namespace gb
