#include "sites/DateFormat.h"

#include "platform/DateTime.h"

namespace gb::sites {

bool DateFormat::ParseDate(std::string& date) const {
    const std::size_t lastDigit = date.find_last_of("0123456789");
    if (lastDigit != std::string::npos && lastDigit > 0) {
        date.erase(lastDigit + 1);
    }
    const DateTime value = ParseDateTime(date, locale);
    if (!value.IsValid()) {
        return false;
    }
    date = FormatDateTime(value, kLocaleUserDefault);
    return true;
}

}  // namespace gb::sites
