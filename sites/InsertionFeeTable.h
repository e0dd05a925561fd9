#pragma once
// A site's insertion fee: a table of price thresholds, or one flat fee.

#include <optional>
#include <span>

#include "platform/Money.h"

namespace gb::sites {

struct FeeThreshold {
    Money from;  // the price from which the fee applies
    Money fee;
};

struct InsertionFeeTable {
    std::span<const FeeThreshold> thresholds;  // in ascending order
    std::optional<Money> flatFee;              // when set, the price is not looked at

    // The fee of the last threshold the price reaches; 0 below the first one
    // and for an invalid price.
    Money Fee(const Money& price) const;
};

}  // namespace gb::sites
