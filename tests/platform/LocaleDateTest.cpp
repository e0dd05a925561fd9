#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Locale.h"

// Windows-1252 bytes in literals; a literal is split after an escape that a
// hex letter or digit follows.

namespace gb {
namespace {

constexpr Lcid kAllLocales[] = {1033, 2057, 3081, 4105, 5129, 1031, 1036, 1043};

struct ReadCase {
    Lcid locale;
    const char* text;
    std::optional<CivilTime> expected;  // nothing: the text must not be read
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    // Escaped, so that code-page bytes do not reach test names raw.
    return out << c.locale << ' ' << testing::PrintToString(std::string(c.text));
}

CivilTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CivilTime{year, month, day, hour, minute, second};
}

class DateReading : public testing::TestWithParam<ReadCase> {};

TEST_P(DateReading, ReadsTheLocalesFormsAndRefusesOthers) {
    const ReadCase& c = GetParam();
    const DateTime read = ParseDateTime(c.text, c.locale);
    if (!c.expected) {
        EXPECT_EQ(read.Status(), ValueStatus::Invalid) << "read as " << read.Days();
        return;
    }
    const CivilTime& e = *c.expected;
    EXPECT_EQ(read, DateTime::FromCivil(e.year, e.month, e.day, e.hour, e.minute, e.second));
}

INSTANTIATE_TEST_SUITE_P(
    EnglishUS, DateReading,
    testing::Values(
        ReadCase{1033, "Dec-09-02 14:30:00", At(2002, 12, 9, 14, 30)},
        ReadCase{1033, "12/9/2002", At(2002, 12, 9)},
        ReadCase{1033, " 12/9/2002 2:30:05 PM ", At(2002, 12, 9, 14, 30, 5)},
        ReadCase{1033, "12/9/2002 2:30pm", At(2002, 12, 9, 14, 30)},
        ReadCase{1033, "12/9/2002 12:00:00 AM", At(2002, 12, 9)},
        ReadCase{1033, "12/9/2002 12:15 PM", At(2002, 12, 9, 12, 15)},
        ReadCase{1033, "December 9, 2002", At(2002, 12, 9)},
        ReadCase{1033, "9 DEC 2002", At(2002, 12, 9)},
        ReadCase{1033, "2002-12-09 08:05", At(2002, 12, 9, 8, 5)},
        ReadCase{1033, "2002-Dec-09", At(2002, 12, 9)}, ReadCase{1033, "1/1/29", At(2029, 1, 1)},
        ReadCase{1033, "1/1/30", At(1930, 1, 1)}, ReadCase{1033, "1/1/0100", At(100, 1, 1)},
        ReadCase{1033, "14:30", At(1899, 12, 30, 14, 30)},
        ReadCase{1033, "2:30:00 AM", At(1899, 12, 30, 2, 30)},
        ReadCase{1033, "13/9/2002", std::nullopt}, ReadCase{1033, "2/30/2002", std::nullopt},
        ReadCase{1033, "", std::nullopt}, ReadCase{1033, "abc", std::nullopt},
        ReadCase{1033, "12/9", std::nullopt}, ReadCase{1033, "12/9/2002/1", std::nullopt},
        ReadCase{1033, "12//9/2002", std::nullopt}, ReadCase{1033, "-12/9/2002", std::nullopt},
        ReadCase{1033, "12/9/2002-", std::nullopt}, ReadCase{1033, "12/9/02002", std::nullopt},
        ReadCase{1033, "012/9/2002", std::nullopt}, ReadCase{1033, "9Dec2002", std::nullopt},
        ReadCase{1033, "Dec-09-Jan", std::nullopt}, ReadCase{1033, "Foo-09-02", std::nullopt},
        ReadCase{1033, "Dec-09-02 25:00:00", std::nullopt},
        ReadCase{1033, "Dec-09-02 14:30:00 PST", std::nullopt},
        ReadCase{1033, "12/9/2002 13:00 PM", std::nullopt},
        ReadCase{1033, "12/9/2002 0:30 AM", std::nullopt},
        ReadCase{1033, "12/9/2002 14:30:", std::nullopt},
        ReadCase{1033, "12/9/2002 14:300", std::nullopt},
        ReadCase{1033, "12/9/2002 14:30:00:00", std::nullopt},
        ReadCase{1033, "12/9/2002/14:30", std::nullopt},
        ReadCase{1033, "14:30 12/9/2002", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    EnglishOther, DateReading,
    testing::Values(ReadCase{2057, "09-Dec-02 14:30:00", At(2002, 12, 9, 14, 30)},
                    ReadCase{2057, "09/12/2002 14:30:00", At(2002, 12, 9, 14, 30)},
                    ReadCase{2057, "9 December 2002", At(2002, 12, 9)},
                    ReadCase{2057, "12/31/2002", std::nullopt},
                    ReadCase{3081, "09-Dec-02 14:30:00", At(2002, 12, 9, 14, 30)},
                    ReadCase{3081, "9/12/2002 2:30:00 PM", At(2002, 12, 9, 14, 30)},
                    ReadCase{4105, "09/12/2002 2:30:00 PM", At(2002, 12, 9, 14, 30)},
                    ReadCase{5129, "9/12/2002 2:30:00 p.m.", At(2002, 12, 9, 14, 30)},
                    ReadCase{5129, "9/12/2002 2:30:00 PM", At(2002, 12, 9, 14, 30)},
                    ReadCase{5129, "9/12/2002 2:30:00 p.", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    OtherLanguages, DateReading,
    testing::Values(ReadCase{1031, "09.12.02 14:30:00", At(2002, 12, 9, 14, 30)},
                    ReadCase{1031, "9. Dezember 2002", At(2002, 12, 9)},
                    ReadCase{1031, "09.Dez.02", At(2002, 12, 9)},
                    ReadCase{1031, "9. M\xE4rz 2003", At(2003, 3, 9)},
                    ReadCase{1031, "9 M\xC4RZ 2003", At(2003, 3, 9)},
                    ReadCase{1031, "9 Mrz 2003", At(2003, 3, 9)},
                    ReadCase{1031, "9 March 2003", At(2003, 3, 9)},
                    ReadCase{1031, "12/31/2002", std::nullopt},
                    ReadCase{1031, "9 mars 2003", std::nullopt},
                    ReadCase{1036, "09/12/2002 14:30:00", At(2002, 12, 9, 14, 30)},
                    ReadCase{1036,
                             "9 d\xE9"
                             "c. 2002",
                             At(2002, 12, 9)},
                    ReadCase{1036, "9 f\xE9vr. 2003", At(2003, 2, 9)},
                    ReadCase{1036, "9 janvier 2003", At(2003, 1, 9)},
                    ReadCase{1036, "9-ao\xFBt-03", At(2003, 8, 9)},
                    ReadCase{1043, "09-12-02 14:30:00", At(2002, 12, 9, 14, 30)},
                    ReadCase{1043, "9 mrt 2003", At(2003, 3, 9)},
                    ReadCase{1043, "9-3-2003 9:05:00", At(2003, 3, 9, 9, 5)}));

struct FormatCase {
    Lcid locale;
    DateTextForm form;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
    return out << c.locale << " form " << static_cast<int>(c.form);
}

class DateFormatting : public testing::TestWithParam<FormatCase> {};

TEST_P(DateFormatting, WritesTheShortDateAndLongTime) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(2002, 12, 9, 14, 30, 5), c.locale, c.form),
              c.text);
}

INSTANTIATE_TEST_SUITE_P(
    PerLocale, DateFormatting,
    testing::Values(FormatCase{1033, DateTextForm::Default, "12/9/2002 2:30:05 PM"},
                    FormatCase{1033, DateTextForm::DateOnly, "12/9/2002"},
                    FormatCase{1033, DateTextForm::TimeOnly, "2:30:05 PM"},
                    FormatCase{2057, DateTextForm::Default, "09/12/2002 14:30:05"},
                    FormatCase{3081, DateTextForm::Default, "9/12/2002 2:30:05 PM"},
                    FormatCase{4105, DateTextForm::Default, "09/12/2002 2:30:05 PM"},
                    FormatCase{5129, DateTextForm::Default, "9/12/2002 2:30:05 p.m."},
                    FormatCase{1031, DateTextForm::Default, "09.12.2002 14:30:05"},
                    FormatCase{1036, DateTextForm::Default, "09/12/2002 14:30:05"},
                    FormatCase{1043, DateTextForm::Default, "9-12-2002 14:30:05"},
                    FormatCase{1043, DateTextForm::TimeOnly, "14:30:05"}));

TEST(DateFormatting, LeavesOutTheTimeAtMidnight) {
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(2002, 12, 9), 1033), "12/9/2002");
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(2002, 12, 9, 0, 0, 1), 1033),
              "12/9/2002 12:00:01 AM");
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(2002, 12, 9, 12), 1033), "12/9/2002 12:00:00 PM");
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(2002, 12, 9, 9, 5), 1043), "9-12-2002 9:05:00");
}

TEST(DateFormatting, PadsTheYearToFourDigits) {
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(100, 1, 2), 1033), "1/2/0100");
}

TEST(DateFormatting, WritesNothingForNullInvalidOrAnUnknownLocale) {
    EXPECT_EQ(FormatDateTime(DateTime::Null(), 1033), "");
    EXPECT_EQ(FormatDateTime(DateTime::Invalid(), 1033), "");
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(2002, 12, 9), 9999), "");
    EXPECT_EQ(ParseDateTime("12/9/2002", 9999).Status(), ValueStatus::Invalid);
}

TEST(DateRoundTrip, WhatIsWrittenReadsBackToTheSecond) {
    const DateTime moments[] = {
        DateTime::FromCivil(100, 1, 1),
        DateTime::FromCivil(1899, 12, 30),
        DateTime::FromDays(-1.25),  // 1899-12-29 06:00
        DateTime::FromCivil(1929, 6, 15, 12, 0, 0),
        DateTime::FromCivil(1999, 12, 31, 23, 59, 59),
        DateTime::FromCivil(2000, 2, 29, 0, 0, 1),
        DateTime::FromCivil(2029, 12, 31, 11, 59, 59),
        DateTime::FromCivil(9999, 12, 31, 23, 59, 59),
    };
    for (const Lcid locale : kAllLocales) {
        for (const DateTime& moment : moments) {
            const std::string whole = FormatDateTime(moment, locale);
            EXPECT_EQ(ParseDateTime(whole, locale), moment) << locale << " \"" << whole << '"';

            const std::string date = FormatDateTime(moment, locale, DateTextForm::DateOnly);
            EXPECT_EQ(ParseDateTime(date, locale), moment.DatePart())
                << locale << " \"" << date << '"';

            const CivilTime civil = *moment.ToCivil();
            const std::string time = FormatDateTime(moment, locale, DateTextForm::TimeOnly);
            EXPECT_EQ(ParseDateTime(time, locale),
                      DateTime::FromCivil(1899, 12, 30, civil.hour, civil.minute, civil.second))
                << locale << " \"" << time << '"';
        }
    }
}

}  // namespace
}  // namespace gb
