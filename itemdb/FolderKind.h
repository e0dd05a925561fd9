#pragma once
// Folder kinds and the fixed folder IDs: string-table IDs whose text is the
// folder's default name. The state lists of the item list use the IDs of their
// folders (102 in progress, 103 ended, 107 archive, 110 deleted) as list codes.

#include <cstdint>

namespace gb::itemdb {

namespace folder {

inline constexpr std::int32_t Root = 100;
inline constexpr std::int32_t Auctions = 101;
inline constexpr std::int32_t InProgress = 102;
inline constexpr std::int32_t AuctionEnded = 103;
inline constexpr std::int32_t ByStatus = 104;
inline constexpr std::int32_t ByCategory = 105;
inline constexpr std::int32_t Reports = 106;
inline constexpr std::int32_t Archive = 107;
inline constexpr std::int32_t WebSites = 108;
inline constexpr std::int32_t UserProfile = 109;
inline constexpr std::int32_t DeletedItems = 110;
inline constexpr std::int32_t AllItems = 111;
inline constexpr std::int32_t Bids = 112;
inline constexpr std::int32_t NoBids = 113;
inline constexpr std::int32_t Contents = 114;
inline constexpr std::int32_t QuickStart = 115;
inline constexpr std::int32_t NeedsAttention = 116;
inline constexpr std::int32_t NoCategory = 117;
inline constexpr std::int32_t SearchResults = 118;
inline constexpr std::int32_t UserGuide = 119;
inline constexpr std::int32_t VersionUpdates = 121;
inline constexpr std::int32_t Sample = 127;

// Folders the user adds (statuses, categories, reports) are numbered from here.
inline constexpr std::int32_t FirstUserFolder = 150;

}  // namespace folder

}  // namespace gb::itemdb
