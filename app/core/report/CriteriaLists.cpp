#include "app/core/report/CriteriaLists.h"

#include "app/core/report/ReportCriteria.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/SellerList.h"

namespace gb::app {

using gb::itemdb::CItemFilter;
namespace folder = gb::itemdb::folder;

BidsChoice BidsChoiceOf(const CItemFilter& filter) {
    switch (filter.GetBids()) {
        case folder::Bids:
            return BidsChoice::WithBids;
        case folder::NoBids:
            return BidsChoice::WithoutBids;
        default:
            return BidsChoice::Regardless;
    }
}

void StoreBidsChoice(CItemFilter& filter, BidsChoice choice) {
    filter.SetBids(choice == BidsChoice::WithBids      ? folder::Bids
                   : choice == BidsChoice::WithoutBids ? folder::NoBids
                                                       : 0);
}

std::vector<SellerLine> SellerLines(gb::itemdb::CSellerList& sellers, const CItemFilter& filter) {
    std::vector<SellerLine> lines;
    const int current = sellers.GetCurrent();
    for (int i = 0; i < sellers.GetCount(); ++i) {
        sellers.SetCurrent(i);
        const std::string site = sellers.GetSite();
        const std::string sellerId = sellers.GetSellerId();
        lines.push_back(
            {site + " -- " + sellerId, site, sellerId, filter.HasSeller(site, sellerId)});
    }
    sellers.SetCurrent(current);
    return lines;
}

void StoreSellers(CItemFilter& filter, std::span<const SellerLine> lines, bool listInUse) {
    filter.AddSeller(std::nullopt, {});
    for (const SellerLine& line : lines) {
        if (listInUse && line.selected) {
            filter.AddSeller(line.site, line.sellerId);
        }
    }
}

std::vector<StatusLine> StatusLines(gb::itemdb::CFolderTree& tree, const CItemFilter& filter) {
    std::vector<StatusLine> lines;
    const auto add = [&](std::string text, std::int32_t value) {
        lines.push_back({std::move(text), value, filter.HasStatus(value)});
    };
    add(gb::itemdb::LoadString(folder::InProgress), folder::InProgress);
    add(gb::itemdb::LoadString(folder::NeedsAttention), folder::NeedsAttention);
    if (tree.FindNode(folder::ByStatus)) {
        while (tree.MoveNext() && tree.GetCurType() == folder::ByStatus) {
            add(tree.GetCurName(), tree.GetCurId());
        }
    }
    return lines;
}

void StoreStatuses(CItemFilter& filter, std::span<const StatusLine> lines, bool listInUse) {
    filter.AddStatus(0);
    for (const StatusLine& line : lines) {
        if (listInUse && line.selected) {
            filter.AddStatus(line.value);
        }
    }
}

std::vector<ReportCategoryNode> CategoryNodes(gb::itemdb::CFolderTree& tree) {
    std::vector<ReportCategoryNode> nodes;
    if (!tree.FindNode(folder::ByCategory)) {
        return nodes;
    }
    nodes.push_back({folder::ByCategory, 0, tree.GetCurName(), true});
    while (tree.MoveNext() && tree.GetCurType() == folder::ByCategory) {
        const std::int32_t parent =
            tree.GetCurParent() == folder::Root ? folder::ByCategory : tree.GetCurParent();
        nodes.push_back({tree.GetCurId(), parent, tree.GetCurName(), tree.IsCurHeading() != 0});
    }
    return nodes;
}

CategoryChoice CategoryChoiceOf(const CItemFilter& filter) {
    if (filter.HasCategory(0)) {
        return CategoryChoice::Regardless;
    }
    return filter.GetCategoryMode() != 0 ? CategoryChoice::All : CategoryChoice::Any;
}

}  // namespace gb::app
