// The fee-schedule list's order: header clicks that reverse, the order kept on
// close, and the Amount column's text.

#include <gtest/gtest.h>

#include <vector>

#include "app/core/fees/FeeListOrder.h"
#include "itemdb/FeeSchedule.h"

using namespace gb::app;
using namespace gb::itemdb;

namespace {

class FeeListOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Define(0, fee_type::SellerFee, "b fee", "3.00", true);
        Define(1, fee_type::Charge, "c charge", "1.00", true);
        Define(2, fee_type::Charge, "A charge", "", true);  // null base
        Define(3, fee_type::DisplayOnly, "d display", "2.00", false);
    }
    void Define(int entry, std::int32_t type, const char* description, const char* base,
                bool active) {
        schedule_.SetCurrent(entry);
        schedule_.SetType(type);
        schedule_.SetDescription(description);
        schedule_.SetBaseText(base);
        schedule_.SetActive(active);
    }

    CFeeSchedule schedule_;
};

TEST_F(FeeListOrderTest, ASecondClickOnAHeaderReversesTheFirst) {
    for (const FeeColumn column :
         {FeeColumn::Type, FeeColumn::Name, FeeColumn::Description, FeeColumn::Amount}) {
        std::vector<int> once{0, 1, 2, 3};
        SortFeeRowsByColumn(once, column, schedule_);
        std::vector<int> twice = once;
        SortFeeRowsByColumn(twice, column, schedule_);
        for (std::size_t i = 0; i < once.size(); ++i) {
            EXPECT_EQ(CompareFeeEntries(schedule_.GetEntry(twice[i]),
                                        schedule_.GetEntry(once[once.size() - 1 - i]), column),
                      0)
                << "column " << static_cast<int>(column) << ", row " << i;
        }
    }
    std::vector<int> rows{0, 1, 2, 3};
    SortFeeRowsByColumn(rows, FeeColumn::Description, schedule_);
    EXPECT_EQ(rows, (std::vector<int>{3, 1, 0, 2}));  // descending first
    SortFeeRowsByColumn(rows, FeeColumn::Description, schedule_);
    EXPECT_EQ(rows, (std::vector<int>{2, 0, 1, 3}));
}

TEST_F(FeeListOrderTest, AmountsSortNullThenInvalidThenByValueWithFormulasLast) {
    schedule_.SetCurrent(1);
    schedule_.AddField(40);
    schedule_.SetCurrent(3);
    schedule_.SetBaseText("bad");
    std::vector<int> rows{1, 0, 3, 2};
    SortFeeRowsByColumn(rows, FeeColumn::Amount, schedule_);  // first after last: ascending
    EXPECT_EQ(rows, (std::vector<int>{2, 3, 0, 1}));
}

TEST_F(FeeListOrderTest, ClosingOrdersByTypeThenDescriptionAndRenumbers) {
    std::vector<int> rows = FeeRowsInDisplayOrder(schedule_);
    ASSERT_EQ(rows.size(), 32u);
    SortFeeRowsByTypeAndDescription(rows, schedule_);
    EXPECT_EQ((std::vector<int>(rows.begin(), rows.begin() + 3)), (std::vector<int>{2, 1, 0}));
    RenumberFeeRows(rows, schedule_);
    EXPECT_EQ(FeeRowsInDisplayOrder(schedule_), rows);
    EXPECT_EQ(rows.back(), 3);  // the inactive entries come last
}

TEST_F(FeeListOrderTest, AmountTextNamesFormulasAndInactiveEntries) {
    EXPECT_EQ(FeeAmountText(schedule_, 0), "$3.00");
    EXPECT_EQ(FeeAmountText(schedule_, 3), "Inactive");
    schedule_.SetCurrent(0);
    schedule_.AddField(40);
    EXPECT_EQ(FeeAmountText(schedule_, 0), "Formula");
}

}  // namespace
