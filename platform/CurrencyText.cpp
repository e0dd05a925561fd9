#include "platform/CurrencyText.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/TextScanner.h"

namespace gb {

namespace {

constexpr std::size_t kMaxDecimals = 4;
constexpr std::uint64_t kUnitsPerWhole = Money::kUnitsPerWhole;
constexpr std::uint64_t kMaxPositiveUnits = std::numeric_limits<std::int64_t>::max();
// The largest whole part any amount can have, positive or negative.
constexpr std::uint64_t kMaxWhole = kMaxPositiveUnits / kUnitsPerWhole;

// Adds one to a string of decimal digits, growing it when every digit carries.
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

struct CurrencyText::Affixes {
    enum class Parenthesis { None, Open, Closed };

    bool signSeen = false;
    bool negative = false;
    Parenthesis parenthesis = Parenthesis::None;
    bool symbolSeen = false;
};

Money CurrencyText::Parse(std::string_view text) const {
    TextScanner scan(text);
    Affixes affixes;
    ReadAffixes(scan, affixes, true);
    const std::optional<std::uint64_t> magnitude = ReadMagnitude(scan);
    if (!magnitude) {
        return Money::Invalid();
    }
    ReadAffixes(scan, affixes, false);
    if (!scan.AtEnd() || affixes.parenthesis == Affixes::Parenthesis::Open) {
        return Money::Invalid();
    }
    const bool negative = affixes.negative || affixes.parenthesis == Affixes::Parenthesis::Closed;
    // The negative range reaches one unit further than the positive one.
    if (*magnitude > kMaxPositiveUnits + (negative ? 1 : 0)) {
        return Money::Invalid();
    }
    return Money::FromUnits(negative ? static_cast<std::int64_t>(0 - *magnitude)
                                     : static_cast<std::int64_t>(*magnitude));
}

void CurrencyText::ReadAffixes(TextScanner& scan, Affixes& affixes, bool leading) const {
    using Parenthesis = Affixes::Parenthesis;
    while (!scan.AtEnd()) {
        const char c = scan.Peek();
        const bool signAllowed = !affixes.signSeen && affixes.parenthesis == Parenthesis::None;
        if (TextScanner::IsBlank(c)) {
            scan.Advance();
        } else if ((c == '-' || c == '+') && signAllowed) {
            affixes.signSeen = true;
            affixes.negative = c == '-';
            scan.Advance();
        } else if (leading && c == '(' && signAllowed) {
            affixes.parenthesis = Parenthesis::Open;
            scan.Advance();
        } else if (!leading && c == ')' && affixes.parenthesis == Parenthesis::Open) {
            affixes.parenthesis = Parenthesis::Closed;
            scan.Advance();
        } else if (!affixes.symbolSeen && scan.ConsumeNoCase(locale_.currencySymbol)) {
            affixes.symbolSeen = true;
        } else {
            return;
        }
    }
}

std::optional<std::uint64_t> CurrencyText::ReadMagnitude(TextScanner& scan) const {
    std::uint64_t whole = 0;
    bool tooLarge = false;
    const auto addDigits = [&](std::string_view digits) {
        for (const char d : digits) {
            tooLarge = tooLarge || whole > (kMaxWhole - static_cast<unsigned>(d - '0')) / 10;
            if (!tooLarge) {
                whole = whole * 10 + static_cast<unsigned>(d - '0');
            }
        }
    };

    const auto groupSize = static_cast<std::size_t>(locale_.groupSize);
    const std::string_view leadingDigits = scan.TakeDigits();
    addDigits(leadingDigits);
    // A group separator counts as one only before a digit; it must then be
    // followed by a full group, and the digits before the first one must
    // themselves fit a group.
    bool grouped = false;
    while (!leadingDigits.empty() && IsGroupSeparator(scan.Peek()) &&
           TextScanner::IsDigit(scan.Peek(1))) {
        if (!grouped && leadingDigits.size() > groupSize) {
            return std::nullopt;
        }
        grouped = true;
        scan.Advance();
        const std::string_view group = scan.TakeDigits();
        if (group.size() != groupSize) {
            return std::nullopt;
        }
        addDigits(group);
    }

    std::string_view decimals;
    if (scan.Consume(locale_.decimalSeparator)) {
        decimals = scan.TakeDigits();
    }
    if ((leadingDigits.empty() && decimals.empty()) || decimals.size() > kMaxDecimals || tooLarge) {
        return std::nullopt;
    }
    std::uint64_t fraction = 0;
    for (std::size_t i = 0; i < kMaxDecimals; ++i) {
        fraction =
            fraction * 10 + (i < decimals.size() ? static_cast<unsigned>(decimals[i] - '0') : 0);
    }
    return whole * kUnitsPerWhole + fraction;
}

bool CurrencyText::IsGroupSeparator(char c) const {
    return c != '\0' && locale_.groupSeparators.find(c) != std::string_view::npos;
}

std::optional<std::string> CurrencyText::FormatNumber(std::string_view plainNumber) const {
    TextScanner scan(plainNumber);
    const bool negative = scan.Consume('-');
    const std::string_view wholeDigits = scan.TakeDigits();
    std::string_view decimals;
    if (scan.Consume('.')) {
        decimals = scan.TakeDigits();
    }
    if (!scan.AtEnd() || (wholeDigits.empty() && decimals.empty())) {
        return std::nullopt;
    }

    // All digits kept, as one integer counted in units of the last currency digit.
    const auto places = static_cast<std::size_t>(locale_.currencyDigits);
    std::string digits(wholeDigits);
    digits += decimals.substr(0, places);
    digits.append(places - std::min(places, decimals.size()), '0');
    if (decimals.size() > places && decimals[places] >= '5') {
        IncrementDigits(digits);
    }
    // One digit at least stays before the decimals; other leading zeros go.
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    const std::size_t wholeLength = digits.size() - places;
    std::size_t leadingZeros = 0;
    while (leadingZeros + 1 < wholeLength && digits[leadingZeros] == '0') {
        ++leadingZeros;
    }
    const std::string_view kept = std::string_view(digits).substr(leadingZeros);
    const bool isZero = kept.find_first_not_of('0') == std::string_view::npos;

    std::string number = GroupDigits(kept.substr(0, kept.size() - places));
    if (places > 0) {
        number += locale_.decimalSeparator;
        number += kept.substr(kept.size() - places);
    }

    // A value that rounds to zero shows no sign.
    const std::string_view pattern =
        negative && !isZero ? locale_.negativeCurrency : locale_.positiveCurrency;
    std::string text;
    for (const char c : pattern) {
        if (c == 'n') {
            text += number;
        } else if (c == '$') {
            text += locale_.currencySymbol;
        } else {
            text += c;
        }
    }
    return text;
}

std::string CurrencyText::GroupDigits(std::string_view digits) const {
    const auto groupSize = static_cast<std::size_t>(locale_.groupSize);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % groupSize == 0) {
            grouped += locale_.groupSeparators.front();
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string CurrencyText::PlainText(const Money& value) {
    if (!value.IsValid()) {
        return {};
    }
    const std::int64_t units = value.Units();
    const std::uint64_t magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::string text = units < 0 ? "-" : "";
    text += std::to_string(magnitude / kUnitsPerWhole);
    if (const std::uint64_t fraction = magnitude % kUnitsPerWhole; fraction != 0) {
        std::string decimals = std::to_string(fraction + kUnitsPerWhole).substr(1);
        decimals.erase(decimals.find_last_not_of('0') + 1);
        text += '.' + decimals;
    }
    return text;
}

}  // namespace gb
