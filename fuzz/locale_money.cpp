// Reads money texts under every locale. An amount read must come back
// unchanged from its plain text, which is how the program stores amounts.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Locales.h"
#include "platform/Locale.h"
#include "platform/Money.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const gb::Lcid locale : gb::fuzz::kLocales) {
        const gb::Money amount = gb::ParseCurrency(text, locale);
        (void)gb::FormatCurrencyNumber(text, locale);
        if (!amount.IsValid()) {
            continue;
        }
        const std::string plain = gb::CurrencyToPlainText(amount);
        if (gb::ParseCurrency(plain, gb::kLocaleEnglishUS) != amount) {
            std::abort();
        }
        if (const auto shown = gb::FormatCurrencyNumber(plain, locale)) {
            (void)gb::ParseCurrency(*shown, locale);
        }
    }
    return 0;
}
