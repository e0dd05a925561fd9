#include "itemdb/ColumnSet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gb::itemdb;

namespace {

std::vector<int> FieldIdsOf(const ColumnSet& set) {
    std::vector<int> ids;
    for (const int code : set.Codes()) {
        ids.push_back(ColumnSet::FieldIdOf(code));
    }
    return ids;
}

struct StandardCase {
    StandardColumnSet set;
    std::vector<int> fieldIds;
};

void PrintTo(const StandardCase& c, std::ostream* os) {
    *os << "string " << static_cast<int>(c.set);
}

class StandardColumnSetTest : public ::testing::TestWithParam<StandardCase> {};

TEST_P(StandardColumnSetTest, DecodesToItsFieldIds) {
    const StandardCase c = GetParam();
    EXPECT_EQ(FieldIdsOf(ColumnSet::Standard(c.set)), c.fieldIds);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, StandardColumnSetTest,
    ::testing::Values(
        StandardCase{StandardColumnSet::Default,
                     {500, 501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511}},
        StandardCase{StandardColumnSet::MoneyColumns,
                     {504, 505, 509, 510, 516, 517, 518, 519, 531, 539, 529, 542, 537, 533}},
        StandardCase{StandardColumnSet::MoneyColumnsWithoutTransactionFee,
                     {504, 505, 509, 510, 516, 517, 518, 519, 531, 539, 529, 537, 533}},
        StandardCase{StandardColumnSet::BasicMoneyColumns,
                     {504, 505, 509, 510, 516, 517, 518, 519, 531, 539}}));

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<int> codes;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ColumnSetParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ColumnSetParseTest, TrustsNothingInTheText) {
    const ParseCase c = GetParam();
    EXPECT_EQ(ColumnSet::Parse(c.text).Codes(), c.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColumnSetParseTest,
    ::testing::Values(ParseCase{"Empty", "", {}}, ParseCase{"NoEntries", "!", {}},
                      ParseCase{"FeeEntriesAndFields", "%!@Ar", {0, 31, 32, 81}},
                      ParseCase{"TrailingTextIgnored", "\"AB - comment", {32}},
                      ParseCase{"CountClampedToTheCharacters", "%AB", {32, 33}},
                      ParseCase{"CountBelowBangIsZero", " ABC", {}},
                      ParseCase{"ControlCountIsZero",
                                std::string("\x01"
                                            "AB"),
                                {}},
                      ParseCase{"HighCountClamped",
                                "\xFF"
                                "AB",
                                {32, 33}},
                      ParseCase{"CodesOutOfRangeSkipped",
                                "%As\xFF"
                                "B",
                                {32, 33}},
                      ParseCase{"CodeBelowBangSkipped",
                                std::string("$A\x10"
                                            "B"),
                                {32, 33}}));

TEST(ColumnSetText, EncodesCountAndCodes) {
    ColumnSet set;
    EXPECT_EQ(set.ToText(), "!");
    EXPECT_TRUE(set.Add(32));
    EXPECT_TRUE(set.Add(0));
    EXPECT_TRUE(set.Add(81));
    EXPECT_EQ(set.ToText(), "$A!r");
    EXPECT_EQ(ColumnSet::Parse(set.ToText()), set);
}

TEST(ColumnSetText, AddRefusesInvalidAndRepeatedCodes) {
    ColumnSet set;
    EXPECT_FALSE(set.Add(-1));
    EXPECT_FALSE(set.Add(82));
    EXPECT_TRUE(set.Add(4));
    EXPECT_FALSE(set.Add(4));
    EXPECT_EQ(set.Codes(), (std::vector<int>{4}));
    EXPECT_TRUE(set.Contains(4));
    EXPECT_FALSE(set.Contains(5));
}

TEST(ColumnSetCodes, MapToFieldIdsAndBack) {
    const std::pair<int, int> codesAndIds[] = {{32, 500}, {43, 511}, {80, 548}, {81, 549},
                                               {0, 0},    {31, 0},   {82, 0},   {-1, 0}};
    for (const auto& [code, id] : codesAndIds) {
        EXPECT_EQ(ColumnSet::FieldIdOf(code), id) << code;
        if (id != 0) {
            EXPECT_EQ(ColumnSet::CodeOfField(id), code) << id;
        }
    }
    EXPECT_EQ(ColumnSet::CodeOfField(499), -1);
    EXPECT_EQ(ColumnSet::CodeOfField(550), -1);
    EXPECT_TRUE(ColumnSet::IsFeeEntry(31));
    EXPECT_FALSE(ColumnSet::IsFeeEntry(32));
}

}  // namespace
