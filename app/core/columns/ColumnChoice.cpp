#include "app/core/columns/ColumnChoice.h"

#include <algorithm>
#include <iterator>

#include "app/core/UiStrings.h"
#include "app/core/columns/ListOrder.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "platform/Cp1252.h"

using gb::itemdb::CFeeSchedule;
using gb::itemdb::ColumnSet;

namespace gb::app {

namespace {

// The fee-schedule entries a folder may show: charges, fees and display-only
// amounts (transaction fees are part of the fees column).
constexpr std::int32_t kColumnFeeTypes = gb::itemdb::fee_type::Charge |
                                         gb::itemdb::fee_type::SellerFee |
                                         gb::itemdb::fee_type::DisplayOnly;
// The last item field a folder may show; the icon column always comes first.
constexpr int kLastFieldCode = ColumnSet::kLastCode - 1;

bool Before(const ColumnEntry& a, const ColumnEntry& b) {
    return gb::cp1252::CompareNoCase(a.title, b.title) < 0;
}

}  // namespace

ColumnChoice::ColumnChoice(std::string_view columnSet, const CFeeSchedule& fees) {
    CFeeSchedule schedule = fees;
    for (bool more = schedule.MoveFirst(kColumnFeeTypes); more;
         more = schedule.MoveNext(kColumnFeeTypes)) {
        if (schedule.IsActive()) {
            InsertAvailable({schedule.GetCurrent(), schedule.GetName() + "*"});
        }
    }
    for (int code = ColumnSet::kFirstFieldCode; code <= kLastFieldCode; ++code) {
        InsertAvailable({code, gb::app::UiText(ColumnSet::FieldIdOf(code))});
    }
    const gb::itemdb::ColumnSet set = gb::itemdb::ColumnSet::Parse(columnSet);
    for (const int code : set.Codes()) {
        const auto found = std::find_if(available_.begin(), available_.end(),
                                        [code](const ColumnEntry& e) { return e.code == code; });
        if (found != available_.end()) {
            Show(static_cast<int>(std::distance(available_.begin(), found)), -1);
        }
    }
}

int ColumnChoice::InsertAvailable(ColumnEntry entry) {
    const auto at = std::upper_bound(available_.begin(), available_.end(), entry, Before);
    return static_cast<int>(std::distance(available_.begin(), available_.insert(at, entry)));
}

int ColumnChoice::Show(int index, int before) {
    if (index < 0 || index >= static_cast<int>(available_.size())) {
        return -1;
    }
    const ColumnEntry entry = available_[static_cast<std::size_t>(index)];
    available_.erase(available_.begin() + index);
    if (before < 0 || before > static_cast<int>(shown_.size())) {
        before = static_cast<int>(shown_.size());
    }
    shown_.insert(shown_.begin() + before, entry);
    return before;
}

int ColumnChoice::Hide(int index) {
    if (index < 0 || index >= static_cast<int>(shown_.size())) {
        return -1;
    }
    const ColumnEntry entry = shown_[static_cast<std::size_t>(index)];
    shown_.erase(shown_.begin() + index);
    return InsertAvailable(entry);
}

int ColumnChoice::MoveShown(int index, int delta) {
    return MoveEntry(shown_, index, delta);
}

std::string ColumnChoice::ColumnSetText() const {
    gb::itemdb::ColumnSet set;
    for (const ColumnEntry& entry : shown_) {
        set.Add(entry.code);
    }
    return set.ToText();
}

}  // namespace gb::app
