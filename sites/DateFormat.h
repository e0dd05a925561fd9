#pragma once
// How a site writes dates, and how its date texts become dates in the user's
// date format.

#include <string>

#include "platform/Locale.h"

namespace gb::sites {

struct DateFormat {
    Lcid locale = kLocaleEnglishUS;

    // Cuts `date` after its last digit (a trailing time-zone name goes, unless
    // that digit is the first character), reads it in the site's locale and,
    // on success, replaces it with the date in the user's format (locale 1024)
    // and returns true. On failure the text keeps its cut form.
    bool ParseDate(std::string& date) const;
};

}  // namespace gb::sites
