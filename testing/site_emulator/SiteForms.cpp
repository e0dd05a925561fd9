#include "SiteForms.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>

using namespace gb::sites;

namespace gb::emulator {

struct SiteForms::Row {
    SiteClass site;
    // {d} day, {m} month, {b} English month name, {y} two-digit year,
    // {Y} four-digit year, {t} hh:mm:ss; anything else is copied.
    std::string_view datePattern;
    std::string_view pricePrefix;
    char groupSeparator;
    char decimalSeparator;
    std::string_view priceSuffix;
    std::string_view location;
};

namespace {

// clang-format off
constexpr SiteForms::Row kForms[] = {
    {SiteClass::eBayATR, "{d}.{m}.{y} {t} MEZ",  "EUR ",   '.', ',', "",     "Wien, \xD6sterreich"},
    {SiteClass::eBayAUS, "{d}-{b}-{y} {t} AEDT", "AU $",   ',', '.', "",     "Perth, WA, Australia"},
    {SiteClass::eBayCAN, "{d}/{m}/{Y} {t} EST",  "C $",    ',', '.', "",     "Qu\xE9" "bec, QC, Canada"},
    {SiteClass::eBayFRN, "{d}/{m}/{Y} {t} CET",  "",       ' ', ',', " EUR", "Orl\xE9" "ans, France"},
    {SiteClass::eBayGER, "{d}.{m}.{y} {t} MEZ",  "EUR ",   '.', ',', "",     "M\xFC" "nchen, Deutschland"},
    {SiteClass::eBayNET, "{d}-{m}-{y} {t} CET",  "EUR ",   '.', ',', "",     "Utrecht, Nederland"},
    {SiteClass::eBayNZ,  "{d}-{b}-{y} {t} NZDT", "US $",   ',', '.', "",     "Auckland, New Zealand"},
    {SiteClass::eBayUK,  "{d}-{b}-{y} {t} GMT",  "&#163;", ',', '.', "",     "Leeds, United Kingdom"},
    {SiteClass::eBayUSA, "{b}-{d}-{y} {t} PST",  "US $",   ',', '.', "",     "Springfield, IL, United States"},
};
// clang-format on

constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

// The field a pattern's placeholder stands for.
std::string Field(char placeholder, const CivilTime& time) {
    switch (placeholder) {
        case 'd':
            return TwoDigits(time.day);
        case 'm':
            return TwoDigits(time.month);
        case 'b':
            return std::string(kMonthNames[static_cast<std::size_t>(time.month - 1)]);
        case 'y':
            return TwoDigits(time.year);
        case 'Y':
            return std::to_string(time.year);
        case 't':
            return TwoDigits(time.hour) + ":" + TwoDigits(time.minute) + ":" +
                   TwoDigits(time.second);
        default:
            throw std::logic_error("unknown placeholder in a site's date pattern");
    }
}

// Whole part with a separator between groups of three digits.
std::string Grouped(std::int64_t whole, char separator) {
    std::string digits = std::to_string(whole);
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, separator);
    }
    return digits;
}

}  // namespace

SiteForms SiteForms::Of(SiteClass site) {
    for (const Row& row : kForms) {
        if (row.site == site) {
            return SiteForms(row);
        }
    }
    throw std::logic_error("no page forms for the site");
}

std::string SiteForms::Date(const DateTime& value) const {
    const std::optional<CivilTime> time = value.ToCivil();
    if (!time) {
        return {};
    }
    std::string text;
    for (std::size_t at = 0; at < row_.datePattern.size(); ++at) {
        const std::size_t close = row_.datePattern.find('}', at);
        if (row_.datePattern[at] == '{' && close == at + 2) {
            text += Field(row_.datePattern[at + 1], *time);
            at = close;
        } else {
            text += row_.datePattern[at];
        }
    }
    return text;
}

std::string_view SiteForms::Location() const {
    return row_.location;
}

std::string SiteForms::Price(const Money& amount) const {
    constexpr std::int64_t kUnitsPerCent = Money::kUnitsPerWhole / 100;
    const std::int64_t cents =
        (std::max<std::int64_t>(amount.Units(), 0) + kUnitsPerCent / 2) / kUnitsPerCent;
    return std::string(row_.pricePrefix) + Grouped(cents / 100, row_.groupSeparator) +
           row_.decimalSeparator + TwoDigits(static_cast<int>(cents % 100)) +
           std::string(row_.priceSuffix);
}

}  // namespace gb::emulator
