#include "app/core/ItemCells.h"

#include "app/core/ListColumns.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"

using namespace gb::itemdb;

namespace gb::app {

bool ShowsFeeEntry(const CAucItem& item, const CFeeSchedule& fees, int entry) {
    return item.HasItemizedCharge(entry) || item.HasItemizedFee(entry) ||
           fees.GetEntry(entry).GetType() == fee_type::DisplayOnly;
}

std::string CellText(const CAucItem& item, const ListColumn& column, CFeeSchedule& fees,
                     const FolderNameLookup* folders) {
    std::string text;
    if (column.IsFeeEntry()) {
        if (ShowsFeeEntry(item, fees, column.code)) {
            fees.SetItem(item);
            fees.CalculateEntry(column.code, text);
        }
    } else {
        item.GetFieldText(column.FieldId(), text, folders);
    }
    return text;
}

}  // namespace gb::app
