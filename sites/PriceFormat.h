#pragma once
// How a site writes prices, and how its price texts become amounts in the
// user's currency format.

#include <string>
#include <string_view>

#include "platform/Locale.h"

namespace gb::sites {

// The clean-up that makes a site's price text readable when the first reading
// fails.
enum class PriceCleanup {
    // A currency prefix ("US", "AU", "C") and one blank or "&nbsp;" before the amount.
    Prefix,
    // The amount, then one blank or "&nbsp;", then "EUR".
    SuffixEur,
    // A euro or pound marker before the amount ("EUR ", "EUR&nbsp;", "&#163;"...).
    EuroMarkers,
    // Pound signs as "&#163;" or the byte 0xA3 are removed first; then as Prefix.
    PoundEntities,
};

struct PriceFormat {
    Lcid locale = kLocaleEnglishUS;
    PriceCleanup cleanup = PriceCleanup::Prefix;
    std::string_view prefix;  // for Prefix and PoundEntities

    // Replaces `price` with its amount in the user's currency format (locale
    // 1024), or with the empty text when no reading succeeds; true when read.
    bool ParsePrice(std::string& price) const;
};

}  // namespace gb::sites
