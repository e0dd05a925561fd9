#pragma once
// What a bulk update changes: a template item whose blank fields mean "no
// change" (money fields and dates null, texts empty, a rating of "-100"), and
// the flags the bulk-update pages set. ApplyField copies one field of the
// template onto an item; the fields and how each is read and applied form one
// table.

#include <cstdint>
#include <span>
#include <string_view>

#include "itemdb/AucItem.h"

namespace gb::itemdb {
class CFeeSchedule;
}

namespace gb::app {

struct BulkFlags {
    bool updateStatus = false;
    bool updateCategories = false;
    bool itemizeCharges = false;
    bool itemizeFees = false;
    // Itemized entries are added to the item's own instead of replacing them.
    bool addToCharges = false;
    bool addToFees = false;
};

// What ApplyField needs besides the item: a working copy of the fee schedule
// (the itemized totals are calculated on it) and the category folders an item
// may carry, in folder-tree order.
struct BulkContext {
    gb::itemdb::CFeeSchedule& fees;
    std::span<const std::int32_t> categoryFolders;
};

class BulkTemplate {
public:
    // The rating text that leaves every item's rating alone.
    static constexpr std::string_view kNoRatingChange = "-100";
    // The 29 fields in the order a bulk update applies them: the status first,
    // the itemized fees and charges after every money field they are
    // calculated from, the categories last.
    static std::span<const int> ApplyOrder();

    // Every field blank, every flag cleared.
    BulkTemplate();

    gb::itemdb::CAucItem& Item() { return item_; }
    const gb::itemdb::CAucItem& Item() const { return item_; }
    BulkFlags& Flags() { return flags_; }
    const BulkFlags& Flags() const { return flags_; }

    // Sets the template's field `fieldId` on the item when the template carries
    // a value for it. True when applied or when there was nothing to apply;
    // false when the item refused the value (the status of an item in
    // progress) and for a field that a bulk update does not change.
    bool ApplyField(gb::itemdb::CAucItem& item, int fieldId, const BulkContext& context) const;

private:
    bool ApplyCategories(gb::itemdb::CAucItem& item, const BulkContext& context) const;
    bool ApplyItemized(gb::itemdb::CAucItem& item, int fieldId, const BulkContext& context) const;

    gb::itemdb::CAucItem item_;
    BulkFlags flags_;
};

}  // namespace gb::app
