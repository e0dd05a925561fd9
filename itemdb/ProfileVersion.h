#pragma once
// The profile versions this program reads, and the one it writes. The item
// record's layout grew over them.

#include <cstdint>

namespace gb::itemdb {

namespace profile_version {

inline constexpr std::int32_t kOldest = 272246;
// The item record grew from 34 to 41 fields: charge note, feedback, reserve,
// other charges, both itemized code strings and the transaction fee.
inline constexpr std::int32_t kChargeFields = 272250;
inline constexpr std::int32_t kAuctionType = 272251;
inline constexpr std::int32_t kStoreFlag = 272252;
inline constexpr std::int32_t kCurrent = kStoreFlag;

inline constexpr bool IsReadable(std::int32_t version) {
    return version >= kOldest && version <= kCurrent;
}

}  // namespace profile_version

}  // namespace gb::itemdb
