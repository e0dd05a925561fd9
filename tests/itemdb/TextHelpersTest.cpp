#include "itemdb/TextHelpers.h"

#include <gtest/gtest.h>

#include <string>

using namespace gb::itemdb;

namespace {

using gb::itemdb::FormatCurrencyOrUnknown;

struct CurrencyCase {
    gb::Money value;
    bool valid;
    const char* text;
};

void PrintTo(const CurrencyCase& c, std::ostream* os) {
    *os << "status " << static_cast<int>(c.value.Status()) << " units " << c.value.Units();
}

class FormatCurrencyOrUnknownTest : public ::testing::TestWithParam<CurrencyCase> {};

TEST_P(FormatCurrencyOrUnknownTest, UsesTheUsersCurrencyFormat) {
    const CurrencyCase c = GetParam();
    std::string text = "untouched";
    EXPECT_EQ(FormatCurrencyOrUnknown(text, c.value), c.valid);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatCurrencyOrUnknownTest,
    ::testing::Values(CurrencyCase{gb::Money::FromUnits(125000), true, "$12.50"},
                      CurrencyCase{gb::Money(), true, "$0.00"},
                      CurrencyCase{gb::Money::FromUnits(23750), true, "$2.38"},
                      CurrencyCase{gb::Money::FromUnits(-30000), true, "($3.00)"},
                      CurrencyCase{gb::Money::FromUnits(12345678900), true, "$1,234,567.89"},
                      CurrencyCase{gb::Money::Null(), false, "Unknown"},
                      CurrencyCase{gb::Money::Invalid(), false, "Unknown"},
                      CurrencyCase{gb::Money::FromRaw(gb::ValueStatus::Null, 5), false,
                                   "Unknown"}));

}  // namespace
