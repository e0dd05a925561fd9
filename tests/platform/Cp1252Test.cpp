#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace gb::cp1252 {
namespace {

TEST(Cp1252Case, AccentedLettersMapBothWays) {
    // ä/Ä, é/É, ñ/Ñ, ø/Ø, þ/Þ, š/Š, œ/Œ, ž/Ž, ÿ/Ÿ
    const std::string lower = "\xE4\xE9\xF1\xF8\xFE\x9A\x9C\x9E\xFF";
    const std::string upper = "\xC4\xC9\xD1\xD8\xDE\x8A\x8C\x8E\x9F";
    EXPECT_EQ(ToUpper(lower), upper);
    EXPECT_EQ(ToLower(upper), lower);
}

TEST(Cp1252Case, LettersWithoutAPairStay) {
    // ß has no single upper-case letter, × and ÷ are not letters, µ stays.
    const std::string text = "\xDF\xD7\xF7\xB5";
    EXPECT_EQ(ToUpper(text), text);
    EXPECT_EQ(ToLower(text), text);
}

TEST(Cp1252Compare, IgnoresCaseIncludingAccents) {
    EXPECT_TRUE(EqualsNoCase("M\xDCNCHEN", "m\xFCnchen"));
    EXPECT_FALSE(EqualsNoCase("abc", "abcd"));
    EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_LT(CompareNoCase("ab", "AB1"), 0);
    // Folding to lower case puts '_' before letters.
    EXPECT_LT(CompareNoCase("_", "A"), 0);
}

TEST(Cp1252Find, FindsCaseInsensitivelyWithinBounds) {
    EXPECT_EQ(FindNoCase("<TABLE><tr>", "<TR"), 7u);
    EXPECT_EQ(FindNoCase("abc", "abcd"), std::string_view::npos);
    EXPECT_EQ(FindNoCase("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(FindNoCase("abc", "a", 10), std::string_view::npos);
}

TEST(Cp1252Utf8, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
}

TEST(Cp1252Utf8, ConvertsTheHighControlsRange) {
    EXPECT_EQ(ToUtf8("\x80 5"), "\xE2\x82\xAC 5");  // euro sign
    EXPECT_EQ(FromUtf8("\xE2\x80\x9Cq\xE2\x80\x9D"), "\x93q\x94");
}

TEST(Cp1252Utf8, UnmappableCharactersBecomeQuestionMarksOrEntities) {
    const std::string text =
        "a\xE4\xB8\xAD"
        "b";  // a, U+4E2D, b
    EXPECT_EQ(FromUtf8(text), "a?b");
    EXPECT_EQ(FromUtf8(text, Unmappable::HtmlEntity), "a&#20013;b");
}

TEST(Cp1252Utf8, MalformedSequencesDoNotReadPastTheEnd) {
    EXPECT_EQ(FromUtf8("ok\xE2\x82"), "ok??");
    EXPECT_EQ(FromUtf8("\xC0\xAF"), "??");       // overlong '/'
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), "???");  // surrogate
}

}  // namespace
}  // namespace gb::cp1252
