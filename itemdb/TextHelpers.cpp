#include "itemdb/TextHelpers.h"

#include <optional>

#include "itemdb/LotkeeperStrings.h"
#include "platform/Locale.h"

namespace gb::itemdb {

bool FormatCurrencyOrUnknown(std::string& text, const gb::Money& value) {
    if (!value.IsValid()) {
        text = LoadString(string_id::Unknown);
        return false;
    }
    // The amount goes through its plain 1033 form, as the system's currency
    // formatting takes a number text. Should the locale not format it, the
    // plain number is still better than nothing.
    const std::string plain = gb::CurrencyToPlainText(value);
    const std::optional<std::string> formatted =
        gb::FormatCurrencyNumber(plain, gb::kLocaleUserDefault);
    text = formatted ? *formatted : plain;
    return true;
}

}  // namespace gb::itemdb
