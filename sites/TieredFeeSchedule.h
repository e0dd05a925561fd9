#pragma once
// A percentage fee in tiers: each tier charges its rate on the part of the
// price above the tier's limit, plus the tier's base amount.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/Money.h"

namespace gb::sites {

// Whether a tier begins above its limit (the limit itself still belongs to
// the tier below) or at it.
enum class TierStart { Above, From };

struct FeeTier {
    Money limit;  // the first tier's is 0: it charges on the whole price
    TierStart start = TierStart::Above;
    std::int32_t rate = 0;  // in hundredths of a percent: 5.25 % is 525
    Money base;             // added after the percentage
};

// Above `price` the fee is `fee`, whatever the tiers give.
struct PriceCap {
    Money price;
    Money fee;
};

struct TieredFeeSchedule {
    std::span<const FeeTier> tiers;  // in ascending order; the first applies to any price
    std::optional<PriceCap> cap;
    std::optional<Money> feeCeiling;  // a fee above it becomes it

    // The fee for `price`, each percentage truncated toward zero in
    // ten-thousandths; 0 for an invalid price, invalid on overflow.
    Money Fee(const Money& price) const;
};

}  // namespace gb::sites
