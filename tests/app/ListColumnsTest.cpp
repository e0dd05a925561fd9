// The item list's columns come from the folder's column set, with the icon
// column first and inactive fee-schedule entries left out; cells show field
// texts and fee amounts.

#include <gtest/gtest.h>

#include "app/core/ItemCells.h"
#include "app/core/ListColumns.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"

using namespace gb::itemdb;

namespace {

std::string CodeText(std::initializer_list<int> codes) {
    std::string text(1, static_cast<char>('!' + codes.size()));
    for (int code : codes) {
        text += static_cast<char>('!' + code);
    }
    return text;
}

class ListColumnsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fees.SetCurrent(3);
        fees.SetActive(true);
        fees.SetName("Handling");
        fees.SetType(fee_type::Charge);
        fees.SetBaseText("1.50");
    }

    std::vector<std::string> Titles(const std::vector<gb::app::ListColumn>& columns) {
        std::vector<std::string> titles;
        for (const auto& column : columns) {
            titles.push_back(column.title);
        }
        return titles;
    }

    CFeeSchedule fees;
};

TEST_F(ListColumnsTest, TheDefaultSetGivesTheIconAndTwelveFields) {
    const auto columns =
        gb::app::BuildListColumns("-ABCDEFGHIJKL - We subtact '!' to get column numbers.", fees);
    ASSERT_EQ(columns.size(), 13u);
    EXPECT_EQ(columns[0].code, 81);
    EXPECT_EQ(columns[0].title, " ");
    EXPECT_EQ(columns[1].FieldId(), field::AuctionId);
    EXPECT_EQ(columns[12].FieldId(), field::Status);
    EXPECT_EQ(Titles(columns)[5], "Min Bid");
    EXPECT_FALSE(columns[1].rightAligned);
    EXPECT_TRUE(columns[5].rightAligned);
}

TEST_F(ListColumnsTest, AnEmptySetGivesTheIconColumnAlone) {
    EXPECT_EQ(gb::app::BuildListColumns("", fees).size(), 1u);
    EXPECT_EQ(gb::app::BuildListColumns("!", fees).size(), 1u);
}

TEST_F(ListColumnsTest, AnInactiveFeeEntryGetsNoColumnAndTheOthersKeepTheirCodes) {
    const auto columns = gb::app::BuildListColumns(CodeText({32, 4, 3, 36}), fees);
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(Titles(columns),
              (std::vector<std::string>{" ", "Auction ID", "Handling", "Min Bid"}));
    EXPECT_EQ(columns[2].code, 3);
    EXPECT_TRUE(columns[2].rightAligned);
    EXPECT_EQ(columns[2].SortField(), 471);
    EXPECT_EQ(columns[3].SortField(), field::MinBid);
}

TEST_F(ListColumnsTest, AnUntrustedSetIsClampedToWhatItHolds) {
    // The count claims 200 codes; three follow, one of them out of range.
    std::string text(1, static_cast<char>('!' + 200));
    text += static_cast<char>('!' + 32);
    text += static_cast<char>('!' + 90);
    text += static_cast<char>('!' + 33);
    EXPECT_EQ(Titles(gb::app::BuildListColumns(text, fees)),
              (std::vector<std::string>{" ", "Auction ID", "Description"}));
}

TEST_F(ListColumnsTest, AtMostEightyOneCodesAreTaken) {
    std::string text(1, static_cast<char>('!' + 100));
    text.append(100, static_cast<char>('!' + 33));
    EXPECT_EQ(gb::app::BuildListColumns(text, fees).size(), 82u);
}

TEST_F(ListColumnsTest, AmountsAndCountsAreRightAligned) {
    for (int fieldId : {504, 505, 508, 509, 510, 516, 517, 518, 519, 529, 531, 533, 535, 536, 537,
                        539, 540, 541, 542}) {
        EXPECT_TRUE(gb::app::IsRightAlignedField(fieldId)) << fieldId;
    }
    for (int fieldId : {500, 501, 502, 503, 506, 511, 534, 543, 549}) {
        EXPECT_FALSE(gb::app::IsRightAlignedField(fieldId)) << fieldId;
    }
}

TEST_F(ListColumnsTest, CellsShowFieldTextsAndItemizedFeeAmounts) {
    CAucItem item;
    item.SetAuctionId("555");
    item.SetMinBid("12.50");
    const auto columns = gb::app::BuildListColumns(CodeText({32, 36, 3}), fees);

    EXPECT_EQ(gb::app::CellText(item, columns[0], fees, nullptr), "");
    EXPECT_EQ(gb::app::CellText(item, columns[1], fees, nullptr), "555");
    EXPECT_EQ(gb::app::CellText(item, columns[2], fees, nullptr), "$12.50");
    EXPECT_EQ(gb::app::CellText(item, columns[3], fees, nullptr), "");

    item.AddItemizedCharge(3);
    EXPECT_EQ(gb::app::CellText(item, columns[3], fees, nullptr), "$1.50");
}

TEST_F(ListColumnsTest, DisplayOnlyEntriesShowForEveryItem) {
    fees.SetType(fee_type::DisplayOnly);
    const auto columns = gb::app::BuildListColumns(CodeText({3}), fees);
    EXPECT_EQ(gb::app::CellText(CAucItem(), columns[1], fees, nullptr), "$1.50");
}

}  // namespace
