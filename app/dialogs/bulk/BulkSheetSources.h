#pragma once
// What the bulk-update pages show besides the template: the statuses and
// categories of the profile, the fee schedule's charges and fees, the stored
// drop-down values and the one-time hints.

#include <functional>
#include <vector>

#include "app/core/bulk/StatusChoice.h"
#include "app/core/sheet/CategoryTree.h"
#include "app/dialogs/common/AppMessage.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app::ui {

struct BulkSheetSources {
    std::vector<StatusChoice> statuses;
    // The profile's categories, none of them set.
    CategoryTree categories;
    gb::itemdb::CFeeSchedule fees;
    ValueListSource lists;
    // Shows the one-time hint of a string ID.
    std::function<void(int stringId)> showHint;
};

}  // namespace gb::app::ui
