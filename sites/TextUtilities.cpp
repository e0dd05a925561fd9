#include "sites/TextUtilities.h"

#include <optional>
#include <utility>

#include "platform/DateTime.h"
#include "platform/Locale.h"

namespace gb::sites {

bool FormatCurrencyOrEmpty(std::string& out, const gb::Money& value) {
    out.clear();
    if (!value.IsValid()) {
        return false;
    }
    std::optional<std::string> formatted =
        gb::FormatCurrencyNumber(gb::CurrencyToPlainText(value), gb::kLocaleUserDefault);
    if (!formatted) {
        return false;
    }
    out = std::move(*formatted);
    return true;
}

int DaysBetween(std::string_view start, std::string_view end) {
    const gb::DateTime from = gb::ParseDateTime(start, gb::kLocaleUserDefault);
    const gb::DateTime to = gb::ParseDateTime(end, gb::kLocaleUserDefault);
    // The value range (years 100 to 9999) keeps any span well inside an int.
    return static_cast<int>(gb::DateTime::WholeDaysBetween(from, to).value_or(0));
}

}  // namespace gb::sites
