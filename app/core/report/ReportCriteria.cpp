#include "app/core/report/ReportCriteria.h"

#include "app/core/FolderRules.h"
#include "itemdb/FolderTree.h"

namespace gb::app {

std::optional<ReportCriteria> ReadReportCriteria(gb::itemdb::CFolderTree& tree, std::int32_t id) {
    if (!tree.FindNode(id)) {
        return std::nullopt;
    }
    ReportCriteria criteria;
    if (const gb::itemdb::CItemFilter* filter = tree.GetCurFilter()) {
        criteria.filter = *filter;
    }
    criteria.name = tree.GetCurName();
    criteria.title = tree.GetCurDescription();
    criteria.columnSet = tree.GetCurColumnsOrURL();
    return criteria;
}

bool StoreReportCriteria(gb::itemdb::CFolderTree& tree, std::int32_t id,
                         const ReportCriteria& criteria) {
    if (!tree.FindNode(id)) {
        return false;
    }
    if (const auto name = AcceptedLabel(criteria.name)) {
        tree.SetCurName(*name);
    }
    tree.SetCurDescription(criteria.title);
    tree.SetCurColumnsOrURL(criteria.columnSet);
    tree.SetCurFilter(criteria.filter);
    return true;
}

}  // namespace gb::app
