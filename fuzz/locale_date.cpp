// Reads date and time texts under every locale, and writes what was read in
// each of the locale's forms.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Locales.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const gb::Lcid locale : gb::fuzz::kLocales) {
        const gb::DateTime value = gb::ParseDateTime(text, locale);
        for (const auto form :
             {gb::DateTextForm::Default, gb::DateTextForm::DateOnly, gb::DateTextForm::TimeOnly}) {
            (void)gb::ParseDateTime(gb::FormatDateTime(value, locale, form), locale);
        }
    }
    return 0;
}
