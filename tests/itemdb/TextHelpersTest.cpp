#include "itemdb/TextHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CurrencyCase {
    gb::Money value;
    bool valid;
    const char* text;
};

void PrintTo(const CurrencyCase& c, std::ostream* os) {
    *os << "status " << static_cast<int>(c.value.Status()) << " units " << c.value.Units();
}

class FormatCurrencyTest : public ::testing::TestWithParam<CurrencyCase> {};

TEST_P(FormatCurrencyTest, UsesTheUsersCurrencyFormat) {
    const CurrencyCase c = GetParam();
    std::string text = "untouched";
    EXPECT_EQ(FormatCurrency(text, c.value), c.valid);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatCurrencyTest,
    ::testing::Values(CurrencyCase{gb::Money::FromUnits(125000), true, "$12.50"},
                      CurrencyCase{gb::Money(), true, "$0.00"},
                      CurrencyCase{gb::Money::FromUnits(23750), true, "$2.38"},
                      CurrencyCase{gb::Money::FromUnits(-30000), true, "($3.00)"},
                      CurrencyCase{gb::Money::FromUnits(12345678900), true, "$1,234,567.89"},
                      CurrencyCase{gb::Money::Null(), false, "Unknown"},
                      CurrencyCase{gb::Money::Invalid(), false, "Unknown"},
                      CurrencyCase{gb::Money::FromRaw(gb::ValueStatus::Null, 5), false,
                                   "Unknown"}));

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
    EXPECT_EQ(ReplaceToken(text, c.token, c.replacement), c.replaced);
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

}  // namespace
