#pragma once
// What the report criteria sheet edits for one report folder: its name, its
// title, the filter that selects the report's items and its column set.

#include <cstdint>
#include <optional>
#include <string>

#include "itemdb/ItemFilter.h"

namespace gb::itemdb {
class CFolderTree;
}  // namespace gb::itemdb

namespace gb::app {

struct ReportCriteria {
    gb::itemdb::CItemFilter filter;
    std::string name;   // at most kMaxNameLength characters
    std::string title;  // the folder's description; at most kMaxTitleLength
    std::string columnSet;

    static constexpr std::size_t kMaxNameLength = 20;
    static constexpr std::size_t kMaxTitleLength = 80;
};

// The report folder's criteria; nothing when no folder has the id.
std::optional<ReportCriteria> ReadReportCriteria(gb::itemdb::CFolderTree& tree, std::int32_t id);
// Stores the criteria into the folder: an empty name keeps the old one, as a
// label edit does. False when no folder has the id.
bool StoreReportCriteria(gb::itemdb::CFolderTree& tree, std::int32_t id,
                         const ReportCriteria& criteria);

// The bids choice of the General page: the three radio buttons in order.
enum class BidsChoice { WithBids, WithoutBids, Regardless };
BidsChoice BidsChoiceOf(const gb::itemdb::CItemFilter& filter);
void StoreBidsChoice(gb::itemdb::CItemFilter& filter, BidsChoice choice);

}  // namespace gb::app
