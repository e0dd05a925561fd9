#include "platform/TextTokens.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TokenCase {
    const char* text;
    const char* token;
    const char* replacement;
    bool replaced;
    const char* result;
};

void PrintTo(const TokenCase& c, std::ostream* os) {
    *os << '"' << c.token << "\" in \"" << c.text << "\" by \"" << c.replacement << '"';
}

class ReplaceTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(ReplaceTokenTest, ReplacesTheFirstOccurrenceOnly) {
    const TokenCase c = GetParam();
    std::string text = c.text;
    EXPECT_EQ(gb::ReplaceToken(text, c.token, c.replacement), c.replaced);
    EXPECT_EQ(text, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReplaceTokenTest,
    ::testing::Values(TokenCase{"Delete $COUNT$ items? All $COUNT$?", "$COUNT$", "3", true,
                                "Delete 3 items? All $COUNT$?"},
                      TokenCase{"http://x/$ITEM_NUM$", "$ITEM_NUM$", "123", true, "http://x/123"},
                      TokenCase{"$A$", "$A$", "", true, ""},
                      TokenCase{"no token here", "$COUNT$", "3", false, "no token here"},
                      TokenCase{"$count$", "$COUNT$", "3", false, "$count$"},
                      TokenCase{"text", "", "inserted", false, "text"},
                      TokenCase{"", "", "inserted", false, ""}));

TEST(ReplaceToken, ReplacesOnlyTheFirstOccurrenceCaseSensitively) {
    std::string text = "since=$DAYS$&again=$DAYS$";
    EXPECT_TRUE(gb::ReplaceToken(text, "$DAYS$", "31"));
    EXPECT_EQ(text, "since=31&again=$DAYS$");

    std::string lower = "x=$days$";
    EXPECT_FALSE(gb::ReplaceToken(lower, "$DAYS$", "31"));
    EXPECT_EQ(lower, "x=$days$");
}

TEST(ReplaceToken, LeavesTheTextAloneForAnAbsentOrEmptyToken) {
    std::string text = "page=$PAGENUM$";
    EXPECT_FALSE(gb::ReplaceToken(text, "$DAYS$", "31"));
    EXPECT_FALSE(gb::ReplaceToken(text, "", "31"));
    EXPECT_EQ(text, "page=$PAGENUM$");
    EXPECT_TRUE(gb::ReplaceToken(text, "$PAGENUM$", ""));
    EXPECT_EQ(text, "page=");
}

}  // namespace
