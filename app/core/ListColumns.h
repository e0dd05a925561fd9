#pragma once
// The columns of the item list for a folder's column set: the status icon
// first, then one column per listed field, and one per listed fee-schedule
// entry that is active. Entries whose fee-schedule entry is not active get no
// column, and the columns after them keep their own codes.

#include <string>
#include <string_view>
#include <vector>

#include "itemdb/ColumnSet.h"

namespace gb::itemdb {
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app {

struct ListColumn {
    static constexpr int kIconCode = gb::itemdb::ColumnSet::kLastCode;  // field 549

    int code = kIconCode;
    std::string title;
    bool rightAligned = false;

    bool IsFeeEntry() const { return gb::itemdb::ColumnSet::IsFeeEntry(code); }
    int FieldId() const { return gb::itemdb::ColumnSet::FieldIdOf(code); }
    // The sort field of the column: its field ID, or for a fee-schedule entry
    // a number below 500 (the entry plus 468).
    int SortField() const { return code + gb::itemdb::ColumnSet::kFieldIdOffset; }

    bool operator==(const ListColumn&) const = default;
};

// The most codes a column set contributes besides the icon column.
inline constexpr std::size_t kMaxListCodes = 81;

// The columns of a column-set text as stored in a folder. The text is not
// trusted: it is decoded the way the item database decodes column sets.
std::vector<ListColumn> BuildListColumns(std::string_view columnSet,
                                         const gb::itemdb::CFeeSchedule& fees);

// Whether a field's column is right-aligned (amounts and numbers).
bool IsRightAlignedField(int fieldId);

}  // namespace gb::app
