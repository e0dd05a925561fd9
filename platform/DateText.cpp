#include "platform/DateText.h"

#include <algorithm>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/TextScanner.h"

namespace gb {

namespace {

constexpr std::size_t kMaxDateNumbers = 3;
constexpr std::size_t kMaxYearDigits = 4;
constexpr std::size_t kMaxFieldDigits = 2;  // day, month, hour, minute, second
// Two-digit years up to this one belong to the 2000s, later ones to the 1900s.
constexpr int kTwoDigitYearPivot = 29;
constexpr std::string_view kPatternFields = "dMyhHmst";
constexpr std::string_view kEnglishAm = "AM";
constexpr std::string_view kEnglishPm = "PM";

bool IsDateSeparator(char c) {
    return c == '/' || c == '-' || c == '.' || c == ',';
}

int ToNumber(std::string_view digits) {
    int value = 0;
    for (const char d : digits) {
        value = value * 10 + (d - '0');
    }
    return value;
}

int FullYear(std::string_view digits) {
    const int value = ToNumber(digits);
    if (digits.size() > 2) {
        return value;
    }
    return value <= kTwoDigitYearPivot ? 2000 + value : 1900 + value;
}

bool MatchesName(std::string_view word, std::string_view name) {
    if (name.ends_with('.')) {
        name.remove_suffix(1);
    }
    return cp1252::EqualsNoCase(word, name);
}

std::string Padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) {
        text.insert(0, width - text.size(), '0');
    }
    return text;
}

}  // namespace

struct DateText::TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct DateText::Fields {
    std::vector<std::string_view> numbers;  // the digits of the date's numbers
    std::optional<int> month;               // given by name
    std::optional<TimeOfDay> time;
};

DateTime DateText::Parse(std::string_view text) const {
    const std::optional<Fields> fields = ReadFields(text);
    return fields ? ToDateTime(*fields) : DateTime::Invalid();
}

std::optional<DateText::Fields> DateText::ReadFields(std::string_view text) const {
    TextScanner scan(text);
    Fields fields;
    bool firstToken = true;
    for (;;) {
        // Before the first token only blanks; between two tokens, blanks and
        // at most one separator.
        const bool blanks = scan.SkipBlanks();
        const bool separator = IsDateSeparator(scan.Peek());
        if (separator) {
            scan.Advance();
            scan.SkipBlanks();
        }
        if (scan.AtEnd()) {
            return separator ? std::nullopt : std::optional(fields);
        }
        if (separator ? firstToken : !firstToken && !blanks) {
            return std::nullopt;
        }
        firstToken = false;

        if (TextScanner::IsDigit(scan.Peek())) {
            const std::string_view digits = scan.TakeDigits();
            if (scan.Peek() == ':') {
                // The time comes last, after blanks only.
                fields.time = separator ? std::nullopt : ReadTime(scan, digits);
                scan.SkipBlanks();
                return fields.time && scan.AtEnd() ? std::optional(fields) : std::nullopt;
            }
            if (digits.size() > kMaxYearDigits || fields.numbers.size() == kMaxDateNumbers) {
                return std::nullopt;
            }
            fields.numbers.push_back(digits);
        } else if (TextScanner::IsLetter(scan.Peek()) && !fields.month) {
            fields.month = MonthOfName(scan.TakeLetters());
            if (!fields.month) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
}

DateTime DateText::ToDateTime(const Fields& fields) const {
    const TimeOfDay time = fields.time.value_or(TimeOfDay{});
    if (fields.numbers.empty() && !fields.month) {
        return fields.time ? DateTime::FromCivil(1899, 12, 30, time.hour, time.minute, time.second)
                           : DateTime::Invalid();
    }

    // The numbers go to the fields in the locale's order, leaving out a month
    // given by name; a long first number is the year.
    const bool yearFirst =
        !fields.numbers.empty() && fields.numbers.front().size() > kMaxFieldDigits;
    std::array<char, 3> order = yearFirst ? std::array<char, 3>{'y', 'M', 'd'} : FieldOrder();
    const auto orderEnd = fields.month ? std::remove(order.begin(), order.end(), 'M') : order.end();
    if (fields.numbers.size() != static_cast<std::size_t>(orderEnd - order.begin())) {
        return DateTime::Invalid();
    }
    int year = 0;
    int month = fields.month.value_or(0);
    int day = 0;
    for (std::size_t i = 0; i < fields.numbers.size(); ++i) {
        const std::string_view digits = fields.numbers[i];
        if (order[i] == 'y') {
            year = FullYear(digits);
        } else if (digits.size() > kMaxFieldDigits) {
            return DateTime::Invalid();
        } else {
            (order[i] == 'd' ? day : month) = ToNumber(digits);
        }
    }
    return DateTime::FromCivil(year, month, day, time.hour, time.minute, time.second);
}

std::optional<DateText::TimeOfDay> DateText::ReadTime(TextScanner& scan,
                                                      std::string_view hourDigits) const {
    std::array<std::string_view, 3> parts = {hourDigits, "0", "0"};
    std::size_t count = 1;
    while (count < parts.size() && scan.Consume(':')) {
        parts[count++] = scan.TakeDigits();
    }
    for (const std::string_view part : parts) {
        if (part.empty() || part.size() > kMaxFieldDigits) {
            return std::nullopt;
        }
    }
    TimeOfDay time{ToNumber(parts[0]), ToNumber(parts[1]), ToNumber(parts[2])};

    scan.SkipBlanks();
    const bool am = scan.ConsumeNoCase(locale_.amText) || scan.ConsumeNoCase(kEnglishAm);
    const bool pm = !am && (scan.ConsumeNoCase(locale_.pmText) || scan.ConsumeNoCase(kEnglishPm));
    if (am || pm) {
        if (time.hour < 1 || time.hour > 12) {
            return std::nullopt;
        }
        time.hour = time.hour % 12 + (pm ? 12 : 0);
    }
    return time;
}

std::optional<int> DateText::MonthOfName(std::string_view word) const {
    for (const MonthNames* names : {&LocaleData::EnglishMonthNames(), locale_.monthNames}) {
        for (std::size_t i = 0; i < names->full.size(); ++i) {
            if (MatchesName(word, names->full[i]) || MatchesName(word, names->abbreviated[i])) {
                return static_cast<int>(i) + 1;
            }
        }
    }
    return std::nullopt;
}

std::array<char, 3> DateText::FieldOrder() const {
    std::array<char, 3> order = {'d', 'M', 'y'};
    std::sort(order.begin(), order.end(), [this](char a, char b) {
        return locale_.shortDate.find(a) < locale_.shortDate.find(b);
    });
    return order;
}

std::string DateText::Format(const DateTime& value, DateTextForm form) const {
    const std::optional<CivilTime> civil = value.ToCivil();
    if (!civil) {
        return {};
    }
    switch (form) {
        case DateTextForm::DateOnly:
            return Expand(locale_.shortDate, *civil);
        case DateTextForm::TimeOnly:
            return Expand(locale_.longTime, *civil);
        case DateTextForm::Default:
            break;
    }
    std::string text = Expand(locale_.shortDate, *civil);
    if (civil->hour != 0 || civil->minute != 0 || civil->second != 0) {
        text += ' ' + Expand(locale_.longTime, *civil);
    }
    return text;
}

// Expands a pattern: a run of one field letter is that field, two or more
// letters pad it to two digits (a year to four from three letters up); text
// in single quotes and every other character is written as it is.
std::string DateText::Expand(std::string_view pattern, const CivilTime& civil) const {
    std::string text;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t close = std::min(pattern.find('\'', i + 1), pattern.size());
            text += pattern.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (kPatternFields.find(c) == std::string_view::npos) {
            text += c;
            ++i;
            continue;
        }
        const std::size_t run = std::min(pattern.find_first_not_of(c, i), pattern.size()) - i;
        i += run;
        const std::size_t width = run >= 2 ? 2 : 1;
        const std::string_view designator = civil.hour < 12 ? locale_.amText : locale_.pmText;
        switch (c) {
            case 'd':
                text += Padded(civil.day, width);
                break;
            case 'M':
                text += Padded(civil.month, width);
                break;
            case 'y':
                text += run >= 3 ? Padded(civil.year, 4) : Padded(civil.year % 100, width);
                break;
            case 'h':
                text += Padded(civil.hour % 12 == 0 ? 12 : civil.hour % 12, width);
                break;
            case 'H':
                text += Padded(civil.hour, width);
                break;
            case 'm':
                text += Padded(civil.minute, width);
                break;
            case 's':
                text += Padded(civil.second, width);
                break;
            default:  // 't'
                text += run == 1 ? designator.substr(0, 1) : designator;
                break;
        }
    }
    return text;
}

}  // namespace gb
