#pragma once
// Currency amounts as text under one locale: reading them leniently but
// refusing garbage, and writing them in the locale's currency format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/LocaleData.h"
#include "platform/Money.h"

namespace gb {

class TextScanner;

class CurrencyText {
public:
    explicit CurrencyText(const LocaleData& locale) : locale_(locale) {}

    // Surrounding blanks, the locale's symbol before or after the number, a
    // leading or trailing sign or parentheses, group separators each followed
    // by a full group of digits, one decimal separator and at most four
    // decimals. Anything else, or an amount out of range, gives invalid.
    Money Parse(std::string_view text) const;

    // A plain number ("-1234.5": optional minus, digits, optional '.' and
    // digits) in the currency format, rounded half away from zero to the
    // currency digits; nothing when the text is not a plain number.
    std::optional<std::string> FormatNumber(std::string_view plainNumber) const;

    // A valid amount as a plain number with '.' and no trailing zeros
    // ("12.5", "-3", "0.0001"); "" for a null or invalid one.
    static std::string PlainText(const Money& value);

private:
    struct Affixes;
    void ReadAffixes(TextScanner& scan, Affixes& affixes, bool leading) const;
    std::optional<std::uint64_t> ReadMagnitude(TextScanner& scan) const;
    bool IsGroupSeparator(char c) const;
    std::string GroupDigits(std::string_view digits) const;

    const LocaleData& locale_;
};

}  // namespace gb
