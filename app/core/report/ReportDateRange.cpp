#include "app/core/report/ReportDateRange.h"

#include "app/core/report/ReportStrings.h"
#include "itemdb/ItemFilter.h"

namespace gb::app {

DateRange ProposedRange(const gb::DateTime& now) {
    const auto civil = now.ToCivil();
    if (!civil) {
        return {now, now};
    }
    const gb::DateTime from = gb::DateTime::FromCivil(civil->year, civil->month, 1);
    const auto later = from.AddHours(31 * 24).ToCivil();
    return {from, later ? gb::DateTime::FromCivil(later->year, later->month, 1) : from};
}

DateRange ShownRange(const gb::itemdb::CItemFilter& filter, const gb::DateTime& now) {
    if (!filter.GetDateFrom().IsValid()) {
        return ProposedRange(now);
    }
    // The pickers show whole days.
    return {filter.GetDateFrom().DatePart(), filter.GetDateTo().DatePart()};
}

std::optional<std::string> StoreDateRange(gb::itemdb::CItemFilter& filter, bool between,
                                          std::int32_t selector, const DateRange& range) {
    if (!filter.SetDateRange(between ? range.from : gb::DateTime::Null(), range.to)) {
        return std::string(kDateRangeRefused);
    }
    filter.SetDateSelector(between ? selector : 0);
    return std::nullopt;
}

}  // namespace gb::app
