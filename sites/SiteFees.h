#pragma once
// The four fees a site charges the seller for a listing, from the site's
// schedules. The price texts are those ParsePrice wrote, in the user's currency
// format; the fee texts come out in the same format.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Money.h"
#include "sites/InsertionFeeTable.h"
#include "sites/TieredFeeSchedule.h"

namespace gb::sites {

struct SiteFees {
    InsertionFeeTable insertion;
    TieredFeeSchedule finalValue;
    // Sites without a store schedule of their own charge their final-value fee.
    TieredFeeSchedule storeFinalValue;
    Money storeInsertionRate;  // per 30-day period

    // The store insertion fee for a listing of `days` days: the rate times the
    // number of whole 30-day periods in days + 1, and at least the rate once.
    Money StoreInsertionFee(std::int32_t days) const;

    // A price that cannot be read gives the fee 0; a fee that overflows gives
    // the empty text.
    std::string CalcInsertionFee(std::string_view price) const;
    std::string CalcFinalValueFee(std::string_view price) const;
    // The price is not used: the fee depends on the duration only.
    std::string CalcStoreInsertionFee(std::string_view price, std::int32_t days) const;
    std::string CalcStoreFinalValueFee(std::string_view price) const;
};

}  // namespace gb::sites
