#include "platform/LocaleData.h"

#include <algorithm>

namespace gb {

namespace {

constexpr MonthNames kEnglish = {
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
};

constexpr MonthNames kGerman = {
    {"Januar", "Februar", "M\xE4rz", "April", "Mai", "Juni", "Juli", "August", "September",
     "Oktober", "November", "Dezember"},
    {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
};

constexpr MonthNames kFrench = {
    {"janvier", "f\xE9vrier", "mars", "avril", "mai", "juin", "juillet", "ao\xFBt", "septembre",
     "octobre", "novembre",
     "d\xE9"
     "cembre"},
    {"janv.", "f\xE9vr.", "mars", "avr.", "mai", "juin", "juil.", "ao\xFBt", "sept.", "oct.",
     "nov.",
     "d\xE9"
     "c."},
};

constexpr MonthNames kDutch = {
    {"januari", "februari", "maart", "april", "mei", "juni", "juli", "augustus", "september",
     "oktober", "november", "december"},
    {"jan", "feb", "mrt", "apr", "mei", "jun", "jul", "aug", "sep", "okt", "nov", "dec"},
};

// Bytes are Windows-1252: 0x80 the euro sign, 0xA3 the pound sign, 0xA0 a
// no-break space.
constexpr LocaleData kLocales[] = {
    {1033, "en_US", "$", 2, "$n", "($n)", '.', ",", 3, "M/d/yyyy", "h:mm:ss tt", "AM", "PM",
     &kEnglish, ','},
    {2057, "en_GB", "\xA3", 2, "$n", "-$n", '.', ",", 3, "dd/MM/yyyy", "HH:mm:ss", "AM", "PM",
     &kEnglish, ','},
    {3081, "en_AU", "$", 2, "$n", "-$n", '.', ",", 3, "d/MM/yyyy", "h:mm:ss tt", "AM", "PM",
     &kEnglish, ','},
    {4105, "en_CA", "$", 2, "$n", "-$n", '.', ",", 3, "dd/MM/yyyy", "h:mm:ss tt", "AM", "PM",
     &kEnglish, ','},
    {5129, "en_NZ", "$", 2, "$n", "-$n", '.', ",", 3, "d/MM/yyyy", "h:mm:ss tt", "a.m.", "p.m.",
     &kEnglish, ','},
    {1031, "de_DE", "\x80", 2, "n $", "-n $", ',', ".", 3, "dd.MM.yyyy", "HH:mm:ss", "", "",
     &kGerman, ';'},
    {1036, "fr_FR", "\x80", 2, "n $", "-n $", ',', "\xA0 ", 3, "dd/MM/yyyy", "HH:mm:ss", "", "",
     &kFrench, ';'},
    {1043, "nl_NL", "\x80", 2, "$ n", "$ n-", ',', ".", 3, "d-M-yyyy", "H:mm:ss", "", "", &kDutch,
     ';'},
};

}  // namespace

const LocaleData* LocaleData::Find(Lcid id) {
    const auto* found = std::find_if(std::begin(kLocales), std::end(kLocales),
                                     [id](const LocaleData& entry) { return entry.id == id; });
    return found == std::end(kLocales) ? nullptr : found;
}

const LocaleData* LocaleData::FindByPosixName(std::string_view posixName) {
    const auto* found =
        std::find_if(std::begin(kLocales), std::end(kLocales),
                     [posixName](const LocaleData& entry) { return entry.posixName == posixName; });
    return found == std::end(kLocales) ? nullptr : found;
}

const MonthNames& LocaleData::EnglishMonthNames() {
    return kEnglish;
}

}  // namespace gb
