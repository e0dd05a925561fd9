#pragma once
// The Date page of the report criteria: the range it proposes for a report
// without dates, and storing the user's choice.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/DateTime.h"

namespace gb::itemdb {
class CItemFilter;
}  // namespace gb::itemdb

namespace gb::app {

struct DateRange {
    gb::DateTime from;
    gb::DateTime to;
};

// The current month: its first day at midnight to the first of the next.
DateRange ProposedRange(const gb::DateTime& now);

// The range as the page shows it: the filter's bounds, or the proposal when
// the filter has no date test.
DateRange ShownRange(const gb::itemdb::CItemFilter& filter, const gb::DateTime& now);

// Stores the choice: with `between` off the date test is switched off.
// Gives the message when the range is refused (the filter keeps its range).
std::optional<std::string> StoreDateRange(gb::itemdb::CItemFilter& filter, bool between,
                                          std::int32_t selector, const DateRange& range);

}  // namespace gb::app
