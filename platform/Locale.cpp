#include "platform/Locale.h"

#include <cstdlib>

#include "platform/CurrencyText.h"
#include "platform/DateText.h"
#include "platform/LocaleData.h"

namespace gb {

namespace {

const LocaleData* FindResolved(Lcid locale) {
    return LocaleData::Find(ResolveLocale(locale));
}

const LocaleData* LocaleOfEnvironment() {
    const char* lang = std::getenv("LANG");
    if (lang == nullptr) {
        return nullptr;
    }
    // "de_DE.UTF-8" or "de_DE@euro" name the locale "de_DE".
    std::string_view name(lang);
    name = name.substr(0, name.find_first_of(".@"));
    return LocaleData::FindByPosixName(name);
}

}  // namespace

Lcid ResolveLocale(Lcid locale) {
    if (locale != kLocaleUserDefault) {
        return locale;
    }
    // A setting that names no known locale is passed over.
    if (const LocaleData* setting = LocaleData::Find(UserDefaultLocaleSetting())) {
        return setting->id;
    }
    if (const LocaleData* environment = LocaleOfEnvironment()) {
        return environment->id;
    }
    return kLocaleEnglishUS;
}

Money ParseCurrency(std::string_view text, Lcid locale) {
    const LocaleData* data = FindResolved(locale);
    return data != nullptr ? CurrencyText(*data).Parse(text) : Money::Invalid();
}

std::string CurrencyToPlainText(const Money& value) {
    return CurrencyText::PlainText(value);
}

std::optional<std::string> FormatCurrencyNumber(std::string_view plainNumber, Lcid locale) {
    const LocaleData* data = FindResolved(locale);
    if (data == nullptr) {
        return std::nullopt;
    }
    return CurrencyText(*data).FormatNumber(plainNumber);
}

DateTime ParseDateTime(std::string_view text, Lcid locale) {
    const LocaleData* data = FindResolved(locale);
    return data != nullptr ? DateText(*data).Parse(text) : DateTime::Invalid();
}

std::string FormatDateTime(const DateTime& value, Lcid locale, DateTextForm form) {
    const LocaleData* data = FindResolved(locale);
    return data != nullptr ? DateText(*data).Format(value, form) : std::string();
}

std::optional<char> ListSeparator(Lcid locale) {
    const LocaleData* data = FindResolved(locale);
    if (data == nullptr) {
        return std::nullopt;
    }
    return data->listSeparator;
}

}  // namespace gb
