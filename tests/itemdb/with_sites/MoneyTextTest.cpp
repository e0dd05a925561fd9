// The item database and the site components each have a money text of their
// own that differ for a null amount; a program that links both must get each
// library's own, whatever the order the libraries are linked in.

#include <gtest/gtest.h>

#include <string>

#include "itemdb/TextHelpers.h"
#include "platform/Money.h"
#include "sites/TextUtilities.h"

namespace {

TEST(MoneyTextWithSites, TheItemDatabaseShowsUnknownForANullAmount) {
    std::string text;
    EXPECT_FALSE(gb::itemdb::FormatCurrencyOrUnknown(text, gb::Money::Null()));
    EXPECT_EQ(text, "Unknown");
}

TEST(MoneyTextWithSites, TheSitesGiveTheEmptyTextForANullAmount) {
    std::string text = "old";
    EXPECT_FALSE(gb::sites::FormatCurrencyOrEmpty(text, gb::Money::Null()));
    EXPECT_EQ(text, "");
}

}  // namespace
