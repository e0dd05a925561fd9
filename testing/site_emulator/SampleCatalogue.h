#pragma once
// Items for a seller of the standalone emulator when nobody lists them by
// hand: running and ended auctions with and without bids, fixed-price sales
// and Dutch auctions, dated around a given moment.

#include <cstdint>
#include <string_view>
#include <vector>

#include "EmulatedItem.h"
#include "platform/DateTime.h"
#include "sites/SiteProfile.h"

namespace gb::emulator {

// `count` items numbered from `firstNumber` on; the same arguments always give
// the same items.
std::vector<EmulatedItem> SampleItems(sites::SiteClass site, int count, std::uint64_t firstNumber,
                                      const DateTime& now);

}  // namespace gb::emulator
