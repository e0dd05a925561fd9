#include "sites/TieredFeeSchedule.h"

namespace gb::sites {

namespace {

constexpr std::int64_t kRateScale = 10000;  // hundredths of a percent

bool Reaches(const Money& price, const FeeTier& tier) {
    return tier.start == TierStart::From ? price >= tier.limit : price > tier.limit;
}

}  // namespace

Money TieredFeeSchedule::Fee(const Money& price) const {
    if (!price.IsValid() || tiers.empty()) {
        return Money();
    }
    const FeeTier* tier = &tiers.front();
    for (const FeeTier& higher : tiers.subspan(1)) {
        if (Reaches(price, higher)) {
            tier = &higher;
        }
    }
    Money fee = (price - tier->limit).MulDiv(tier->rate, kRateScale) + tier->base;
    if (cap && price > cap->price) {
        fee = cap->fee;
    }
    if (feeCeiling && fee > *feeCeiling) {
        fee = *feeCeiling;
    }
    return fee;
}

}  // namespace gb::sites
