#include "platform/Money.h"
#include "platform/MoneySum.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace gb {
namespace {

TEST(Money, DefaultIsAValidZero) {
    const Money zero;
    EXPECT_TRUE(zero.IsValid());
    EXPECT_EQ(zero.Units(), 0);
}

TEST(Money, ArithmeticIsExactInTenThousandths) {
    EXPECT_EQ(Money::FromUnits(1) + Money::FromUnits(2), Money::FromUnits(3));
    EXPECT_EQ(Money::FromParts(12, 5000) - Money::FromParts(0, 7500), Money::FromUnits(117500));
    EXPECT_EQ(-Money::FromUnits(5), Money::FromUnits(-5));
    EXPECT_EQ(Money::FromUnits(25) * 4, Money::FromUnits(100));
}

TEST(Money, OverflowGivesInvalid) {
    const Money largest = Money::FromUnits(INT64_MAX);
    const Money smallest = Money::FromUnits(INT64_MIN);
    EXPECT_EQ((largest + Money::FromUnits(1)).Status(), ValueStatus::Invalid);
    EXPECT_EQ((smallest - Money::FromUnits(1)).Status(), ValueStatus::Invalid);
    EXPECT_EQ((-smallest).Status(), ValueStatus::Invalid);
    EXPECT_EQ((largest * 2).Status(), ValueStatus::Invalid);
    EXPECT_EQ(Money::FromParts(INT64_MAX / 1000, 0).Status(), ValueStatus::Invalid);
    EXPECT_EQ(largest.MulDiv(3, 2).Status(), ValueStatus::Invalid);
}

TEST(Money, NullWinsOverInvalidAndInvalidOverValid) {
    const Money valid = Money::FromUnits(10);
    EXPECT_TRUE((Money::Null() + valid).IsNull());
    EXPECT_TRUE((Money::Invalid() - Money::Null()).IsNull());
    EXPECT_EQ((Money::Invalid() + valid).Status(), ValueStatus::Invalid);
    EXPECT_EQ((valid - Money::Invalid()).Status(), ValueStatus::Invalid);
    EXPECT_TRUE((Money::Null() * 3).IsNull());
}

TEST(Money, MulDivTruncatesTowardZeroWithoutIntermediateOverflow) {
    // 8.75% of 12.99 is 1.136625: truncated to 1.1366.
    EXPECT_EQ(Money::FromUnits(129900).MulDiv(875, 10000), Money::FromUnits(11366));
    EXPECT_EQ(Money::FromUnits(-129900).MulDiv(875, 10000), Money::FromUnits(-11366));
    EXPECT_EQ(Money::FromUnits(INT64_MAX).MulDiv(10, 10), Money::FromUnits(INT64_MAX));
    EXPECT_EQ(Money::FromUnits(5).MulDiv(1, 0).Status(), ValueStatus::Invalid);
}

TEST(Money, OrderingHoldsOnlyBetweenValidValues) {
    EXPECT_LT(Money::FromUnits(-1), Money::FromUnits(0));
    EXPECT_GE(Money::FromUnits(500000), Money::FromUnits(500000));
    EXPECT_FALSE(Money::Null() < Money::FromUnits(1));
    EXPECT_FALSE(Money::Null() >= Money::FromUnits(1));
}

TEST(Money, SumOfValidPassesOverNullAndInvalidAmounts) {
    EXPECT_EQ(SumOfValid({}), Money());
    EXPECT_EQ(SumOfValid({Money::FromUnits(15000), Money::Null(), Money::Invalid(),
                          Money::FromUnits(-5000)}),
              Money::FromUnits(10000));
    EXPECT_EQ(SumOfValid({Money::FromUnits(INT64_MAX), Money::FromUnits(1)}).Status(),
              ValueStatus::Invalid);
}

}  // namespace
}  // namespace gb
