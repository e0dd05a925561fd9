#include "sites/PriceFormat.h"

#include <algorithm>
#include <array>

#include "sites/TextUtilities.h"

namespace gb::sites {

namespace {

// What follows a currency prefix or comes before a currency suffix besides one
// blank: the rest of "&nbsp;".
constexpr std::size_t kEntityRest = 5;

// The euro and pound markers in the order they are looked for.
constexpr std::array<std::string_view, 6> kEuroMarkers = {"EUR&nbsp;", "EUR ",   "EUR\xA0",
                                                          "EUR",       "&#163;", "\xA3"};

// Dropping characters from either end of too short a text leaves the empty text.
std::string_view DropFront(std::string_view text, std::size_t count) {
    return text.substr(std::min(count, text.size()));
}

std::string_view DropBack(std::string_view text, std::size_t count) {
    return text.substr(0, text.size() - std::min(count, text.size()));
}

void RemovePoundSigns(std::string& text) {
    for (std::size_t at = text.find("&#163;"); at != std::string::npos;
         at = text.find("&#163;", at)) {
        text.erase(at, 6);
    }
    std::replace(text.begin(), text.end(), '\xA3', ' ');
}

// The amount of the first of the two texts that can be read.
Money ReadEither(std::string_view first, std::string_view second, Lcid locale) {
    const Money amount = ParseCurrency(first, locale);
    return amount.IsValid() ? amount : ParseCurrency(second, locale);
}

// "US 12.50" or "US&nbsp;12.50": the prefix, then one blank or an entity.
Money ReadAfterPrefix(std::string_view text, std::string_view prefix, Lcid locale) {
    if (!text.starts_with(prefix)) {
        return Money::Invalid();
    }
    const std::string_view rest = DropFront(text, prefix.size() + 1);
    return ReadEither(rest, DropFront(rest, kEntityRest), locale);
}

// "12,50 EUR" or "12,50&nbsp;EUR".
Money ReadBeforeEuroSuffix(std::string_view text, Lcid locale) {
    constexpr std::string_view kSuffix = "EUR";
    if (!text.ends_with(kSuffix)) {
        return Money::Invalid();
    }
    const std::string_view rest = DropBack(text, kSuffix.size() + 1);
    return ReadEither(rest, DropBack(rest, kEntityRest), locale);
}

// The first marker found anywhere in the text decides how much of its front
// goes, whether or not the marker stands there.
Money ReadAfterEuroMarker(std::string_view text, Lcid locale) {
    const auto marker =
        std::find_if(kEuroMarkers.begin(), kEuroMarkers.end(),
                     [&](std::string_view m) { return text.find(m) != std::string_view::npos; });
    const std::string_view rest =
        marker == kEuroMarkers.end() ? text : DropFront(text, marker->size());
    return ReadEither(rest, DropFront(rest, 1), locale);
}

Money ReadCleanedUp(std::string_view text, const PriceFormat& format) {
    switch (format.cleanup) {
        case PriceCleanup::Prefix:
        case PriceCleanup::PoundEntities:
            return ReadAfterPrefix(text, format.prefix, format.locale);
        case PriceCleanup::SuffixEur:
            return ReadBeforeEuroSuffix(text, format.locale);
        case PriceCleanup::EuroMarkers:
            return ReadAfterEuroMarker(text, format.locale);
    }
    return Money::Invalid();
}

}  // namespace

bool PriceFormat::ParsePrice(std::string& price) const {
    std::string text = price;
    if (cleanup == PriceCleanup::PoundEntities) {
        RemovePoundSigns(text);
    }
    Money amount = ParseCurrency(text, locale);
    if (!amount.IsValid()) {
        amount = ReadCleanedUp(text, *this);
    }
    FormatCurrencyOrEmpty(price, amount);
    return amount.IsValid();
}

}  // namespace gb::sites
