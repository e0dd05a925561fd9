// The date and time fields' formats follow the user's locale, in the notation
// of the fields.

#include <gtest/gtest.h>

#include "app/core/DateFieldFormats.h"
#include "tests/support/PinnedLocale.h"

namespace {

using gb::app::DateFieldFormatsFor;
using gb::app::DateFieldPattern;

TEST(DateFieldFormatsTest, TheMarkerBecomesAPAndQuotedTextStays) {
    EXPECT_EQ(DateFieldPattern("h:mm:ss tt"), "h:mm:ss AP");
    EXPECT_EQ(DateFieldPattern("h:mm t"), "h:mm AP");
    EXPECT_EQ(DateFieldPattern("HH 'o''clock' 'at' tt"), "HH 'o''clock' 'at' AP");
    EXPECT_EQ(DateFieldPattern("dd.MM.yyyy"), "dd.MM.yyyy");
}

TEST(DateFieldFormatsTest, TheUsersLocaleGivesOneDateAndOneTime) {
    const gb::test::PinnedLocale german(1031);
    const auto formats = DateFieldFormatsFor();
    EXPECT_EQ(formats.date, "dd.MM.yyyy");
    EXPECT_EQ(formats.time, "HH:mm:ss");
    EXPECT_EQ(formats.dateTime, "dd.MM.yyyy HH:mm:ss");
    EXPECT_EQ(formats.localeName, "de_DE");
    EXPECT_EQ(DateFieldFormatsFor(1033).dateTime, "M/d/yyyy h:mm:ss AP");
    // An unknown locale writes as 1033 does.
    EXPECT_EQ(DateFieldFormatsFor(9999).date, "M/d/yyyy");
}

}  // namespace
