#include "app/core/DateFieldFormats.h"

#include "platform/LocaleData.h"

namespace gb::app {

std::string DateFieldPattern(std::string_view localePattern) {
    std::string pattern;
    bool quoted = false;
    for (std::size_t i = 0; i < localePattern.size(); ++i) {
        const char c = localePattern[i];
        if (c == '\'') {
            quoted = !quoted;
        } else if (!quoted && c == 't') {
            // "t" and "tt" alike: the fields know only the whole marker.
            while (i + 1 < localePattern.size() && localePattern[i + 1] == 't') {
                ++i;
            }
            pattern += "AP";
            continue;
        }
        pattern += c;
    }
    return pattern;
}

DateFieldFormats DateFieldFormatsFor(gb::Lcid locale) {
    const gb::LocaleData* data = gb::LocaleData::Find(gb::ResolveLocale(locale));
    if (data == nullptr) {
        data = gb::LocaleData::Find(gb::kLocaleEnglishUS);
    }
    DateFieldFormats formats;
    formats.date = DateFieldPattern(data->shortDate);
    formats.time = DateFieldPattern(data->longTime);
    formats.dateTime = formats.date + " " + formats.time;
    formats.localeName = data->posixName;
    return formats;
}

}  // namespace gb::app
