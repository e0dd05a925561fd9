#pragma once
// The lists the report criteria pages offer, built from the profile, and how
// the user's choice goes back into the filter.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gb::itemdb {
class CFolderTree;
class CItemFilter;
class CSellerList;
}  // namespace gb::itemdb

namespace gb::app {

// One line of the Site page: "site -- seller ID".
struct SellerLine {
    std::string text;
    std::string site;
    std::string sellerId;
    bool selected = false;
};
std::vector<SellerLine> SellerLines(gb::itemdb::CSellerList& sellers,
                                    const gb::itemdb::CItemFilter& filter);
// Empties the pairs, then (when the list is in use) adds the selected lines.
void StoreSellers(gb::itemdb::CItemFilter& filter, std::span<const SellerLine> lines,
                  bool listInUse);

// One line of the Status page: a status's name and value.
struct StatusLine {
    std::string text;
    std::int32_t value = 0;
    bool selected = false;
};
// "In Progress", "Needs Attention", then the status folders.
std::vector<StatusLine> StatusLines(gb::itemdb::CFolderTree& tree,
                                    const gb::itemdb::CItemFilter& filter);
void StoreStatuses(gb::itemdb::CItemFilter& filter, std::span<const StatusLine> lines,
                   bool listInUse);

// One node of the Category page's tree, parents before their children.
struct ReportCategoryNode {
    std::int32_t id = 0;
    std::int32_t parentId = 0;  // 0 for the "By Category" root
    std::string name;
    bool heading = false;
};
std::vector<ReportCategoryNode> CategoryNodes(gb::itemdb::CFolderTree& tree);

// The Category page's radio buttons.
enum class CategoryChoice { Regardless, Any, All };
CategoryChoice CategoryChoiceOf(const gb::itemdb::CItemFilter& filter);

}  // namespace gb::app
