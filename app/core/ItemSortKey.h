#pragma once
// The value an item is sorted by in the item list, taken once per item so a
// sort does not format texts over and over. Dates and amounts compare by
// value, with items that have none first; counts and codes compare as
// numbers; every other field compares its text ignoring case. A date or
// amount without a value remembers whether it is null or invalid: loading a
// folder places the two differently.

#include <cstdint>
#include <string>

#include "platform/ValueStatus.h"

namespace gb::itemdb {
class CAucItem;
class CFeeSchedule;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app {

class ItemSortKey {
public:
    // `sortField` is a field ID, or for a fee-schedule entry the entry plus 468.
    static ItemSortKey Of(const gb::itemdb::CAucItem& item, int sortField,
                          gb::itemdb::CFeeSchedule& fees,
                          const gb::itemdb::FolderNameLookup* folders);

    // -1, 0 or 1 in ascending order of the field.
    static int Compare(const ItemSortKey& left, const ItemSortKey& right);

    // False for a date or amount that is null or invalid.
    bool HasValue() const { return presence_ == gb::ValueStatus::Valid; }
    // A date or amount that is null rather than invalid.
    bool IsNull() const { return presence_ == gb::ValueStatus::Null; }

private:
    enum class Kind { Number, Text };

    ItemSortKey() = default;
    static ItemSortKey Number(gb::ValueStatus presence, long double value);
    static ItemSortKey Text(std::string text);

    Kind kind_ = Kind::Number;
    // A date or amount that is null or invalid has no value; all such compare
    // equal and before every value.
    gb::ValueStatus presence_ = gb::ValueStatus::Null;
    // Exact for every amount in ten-thousandths as well as for dates.
    long double number_ = 0.0L;
    std::string text_;  // in lower case: sorting compares it many times
};

// The list's comparison: ascending for direction 1, descending for 0.
int CompareForDirection(const ItemSortKey& left, const ItemSortKey& right, int direction);

}  // namespace gb::app
