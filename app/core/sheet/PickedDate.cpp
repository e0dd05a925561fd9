#include "app/core/sheet/PickedDate.h"

#include "platform/Clock.h"
#include "platform/Locale.h"

namespace gb::app {

namespace {

std::optional<PickedDate> DateOf(const DateTime& value) {
    const std::optional<CivilTime> civil = value.ToCivil();
    if (!civil) {
        return std::nullopt;
    }
    return PickedDate{civil->year, civil->month, civil->day};
}

}  // namespace

std::optional<PickedDate> DateOfField(const itemdb::CAucItem& item, int fieldId) {
    const std::optional<DateTime> value = item.GetDateValue(fieldId);
    return value ? DateOf(*value) : std::nullopt;
}

std::string DateOnlyText(const std::optional<PickedDate>& date) {
    if (!date) {
        return {};
    }
    return FormatDateTime(DateTime::FromCivil(date->year, date->month, date->day),
                          kLocaleUserDefault, DateTextForm::DateOnly);
}

bool StorePickedDate(itemdb::CAucItem& item, int fieldId, const std::optional<PickedDate>& date) {
    return date == DateOfField(item, fieldId) || item.SetFieldText(fieldId, DateOnlyText(date));
}

PickedDate Today() {
    return DateOf(Clock::Now()).value_or(PickedDate{});
}

}  // namespace gb::app
