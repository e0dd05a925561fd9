#pragma once
// Profiles for the widget tests: a named profile with one seller, the default
// folders and the seller's folders, filled with items of the seller.

#include <cstdint>
#include <string>

namespace gb::itemdb {
class CAucDoc;
class CFolderTree;
}  // namespace gb::itemdb

namespace test_profile {

inline constexpr const char* kSeller = "joe_seller";

// Names the profile "Demo", adds the seller and makes the folders; gives the
// seller folder's id.
std::int32_t Prepare(gb::itemdb::CAucDoc& document);

// Adds `count` items of the seller to state list `list` (102 or 103), with
// auction IDs from `firstId` up and end dates a day apart, every third one
// without buyer.
void AddItems(gb::itemdb::CAucDoc& document, std::int32_t sellerFolder, std::int32_t list,
              int count, int firstId = 1000);

// The id of the folder of `kind` below the folder `parentId`; 0 when none.
std::int32_t FindChild(gb::itemdb::CFolderTree& tree, std::int32_t parentId, std::int32_t kind);

// The seller's "All Items" folder of In Progress (list 102) or Auction Ended (103).
std::int32_t AllItemsFolder(gb::itemdb::CAucDoc& document, std::int32_t sellerFolder,
                            std::int32_t list);

}  // namespace test_profile
