#include <gtest/gtest.h>

#include <string>

#include "itemdb/AucItem.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "platform/Locale.h"
#include "tests/support/PinnedLocale.h"

using namespace gb::itemdb;

using gb::test::PinnedLocale;

namespace {

int CodeOf(int fieldId) {
    return ColumnSet::CodeOfField(fieldId);
}

gb::Money Amount(std::int64_t hundredths) {
    return gb::Money::FromUnits(hundredths * 100);
}

class FeeCalculation : public ::testing::Test {
protected:
    // Entry 0: 1.50 + 0.035 x (Max Bid + S&H Charge), a charge.
    void SetUp() override {
        schedule_.SetCurrent(0);
        schedule_.SetActive(true);
        schedule_.SetType(fee_type::Charge);
        schedule_.SetBaseText("1.50");
        schedule_.SetFactor(0.035f);
        schedule_.AddField(CodeOf(field::MaxBid));
        schedule_.AddField(CodeOf(field::SHCharge));
        item_.SetMaxBid("20.00");
        item_.SetSHCharge("5.00");
        schedule_.SetItem(item_);
    }

    // Makes `entry` an active entry of the given type with a fixed amount.
    void DefineFixed(int entry, std::int32_t type, std::string_view base) {
        schedule_.SetCurrent(entry);
        schedule_.SetActive(true);
        schedule_.SetType(type);
        schedule_.SetBaseText(base);
    }

    CFeeSchedule schedule_;
    CAucItem item_;
    std::string text_;
    gb::Money value_;
};

TEST_F(FeeCalculation, BasePlusFactorTimesFieldsRoundedAsShown) {
    ASSERT_TRUE(schedule_.Calculate(text_, &value_));
    EXPECT_EQ(text_, "$2.38");  // 1.50 + 0.035 x 25.00 = 2.375
    EXPECT_EQ(value_, Amount(238));
    EXPECT_TRUE(schedule_.CalculateEntry(0, text_));
    EXPECT_EQ(text_, "$2.38");
}

TEST_F(FeeCalculation, NullFieldGivesUnknown) {
    item_.SetSHCharge("");
    schedule_.SetItem(item_);
    EXPECT_FALSE(schedule_.Calculate(text_, &value_));
    EXPECT_EQ(text_, "Unknown");
    EXPECT_FALSE(value_.IsValid());
}

TEST_F(FeeCalculation, InactiveEntryAndFreshScheduleGiveUnknown) {
    schedule_.SetActive(false);
    EXPECT_FALSE(schedule_.Calculate(text_));
    EXPECT_EQ(text_, "Unknown");

    CFeeSchedule fresh;
    fresh.SetItem(item_);
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        EXPECT_FALSE(fresh.CalculateEntry(i, text_));
        EXPECT_EQ(text_, "Unknown");
    }
}

TEST_F(FeeCalculation, FieldThatAnEntryMayNotSumGivesUnknown) {
    schedule_.AddField(CodeOf(field::Description));
    EXPECT_FALSE(schedule_.Calculate(text_));
    EXPECT_EQ(text_, "Unknown");
}

TEST_F(FeeCalculation, EveryMoneyFieldAnEntryMaySumIsSummed) {
    const int fields[] = {
        field::MinBid,         field::MaxBid,      field::InsertionFee, field::FinalFee,
        field::InsuranceCost,  field::AmtReceived, field::SHCharge,     field::ShipCost,
        field::ItemCost,       field::OtherFees,   field::OtherCharges, field::ReserveAmt,
        field::TransactionFee,
    };
    schedule_.SetBaseText("0");
    schedule_.SetFactor(1.0f);
    for (const int fieldId : fields) {
        SCOPED_TRACE(fieldId);
        CAucItem item;
        ASSERT_TRUE(item.SetMoneyValue(fieldId, Amount(1234)));
        schedule_.SetItem(item);
        schedule_.ClearFields();
        schedule_.AddField(CodeOf(fieldId));
        ASSERT_TRUE(schedule_.Calculate(text_, &value_));
        EXPECT_EQ(value_, Amount(1234));
    }
}

TEST_F(FeeCalculation, ComputedInvoiceAmountCanBeSummed) {
    schedule_.ClearFields();
    schedule_.AddField(CodeOf(field::InvoiceAmt));
    schedule_.SetFactor(0.1f);
    schedule_.SetBaseText("0");
    ASSERT_TRUE(schedule_.Calculate(text_, &value_));
    EXPECT_EQ(value_, Amount(250));
}

TEST_F(FeeCalculation, WithoutFieldsOrFactorTheBaseAlone) {
    schedule_.SetFactor(0.0f);
    ASSERT_TRUE(schedule_.Calculate(text_));
    EXPECT_EQ(text_, "$1.50");
    schedule_.SetFactor(2.0f);
    schedule_.ClearFields();
    ASSERT_TRUE(schedule_.Calculate(text_));
    EXPECT_EQ(text_, "$1.50");
    schedule_.SetBaseText("");
    EXPECT_FALSE(schedule_.Calculate(text_));
}

TEST_F(FeeCalculation, ANegativeFactorTakesItsWholeShare) {
    // A rebate of 5% on 20.00 + 5.00 + 75.00.
    item_.SetSHCharge("80.00");
    schedule_.SetItem(item_);
    schedule_.SetBaseText("0");
    schedule_.SetFactor(-0.05f);
    ASSERT_TRUE(schedule_.Calculate(text_, &value_));
    EXPECT_EQ(value_, Amount(-500));
    EXPECT_EQ(text_, "($5.00)");
}

TEST_F(FeeCalculation, OverflowGivesUnknown) {
    item_.SetMaxBid("900000000000000");
    schedule_.SetItem(item_);
    schedule_.SetFactor(1.0f);
    schedule_.SetBaseText("900000000000000");
    EXPECT_FALSE(schedule_.Calculate(text_, &value_));
    EXPECT_EQ(text_, "Unknown");
    EXPECT_FALSE(value_.IsValid());
}

TEST_F(FeeCalculation, OverflowInTheProductGivesUnknownEvenWhenTheQuotientFits) {
    // 100,000,000,000.00 x 1000: the product overflows, the result would not.
    item_.SetMaxBid("100000000000");
    item_.SetSHCharge("0");
    schedule_.SetItem(item_);
    schedule_.SetFactor(1000.0f);
    EXPECT_FALSE(schedule_.Calculate(text_, &value_));
    EXPECT_EQ(text_, "Unknown");
    EXPECT_FALSE(value_.IsValid());
}

TEST_F(FeeCalculation, OutOfRangeEntryCalculatesNothing) {
    EXPECT_FALSE(schedule_.CalculateEntry(32, text_));
    EXPECT_EQ(text_, "Unknown");
    EXPECT_EQ(schedule_.GetCurrent(), 0);
}

TEST_F(FeeCalculation, EntrySymbolTakesThePlaceOfTheLocaleSymbol) {
    const std::string euro = "\x80";
    const struct {
        std::string symbol;
        std::int64_t hundredths;
        std::string shown;
    } cases[] = {
        {euro, 1250, euro + "12.50"},
        {euro, -1250, "(" + euro + "12.50)"},
        {"US$", 1250, "US$12.50"},
        {"", 1250, "$12.50"},
    };
    for (const auto& c : cases) {
        schedule_.SetCurrencySymbol(c.symbol);
        EXPECT_TRUE(schedule_.FormatAmount(text_, Amount(c.hundredths)));
        EXPECT_EQ(text_, c.shown);
    }
    EXPECT_FALSE(schedule_.FormatAmount(text_, gb::Money::Null()));
    EXPECT_EQ(text_, "Unknown");
    EXPECT_FALSE(schedule_.FormatAmount(text_, gb::Money::Invalid()));
    EXPECT_EQ(text_, "Unknown");
}

TEST_F(FeeCalculation, EntrySymbolFollowsTheNumberWhereTheLocaleWritesItBehind) {
    const PinnedLocale german(1031);
    schedule_.SetCurrencySymbol("$");
    EXPECT_TRUE(schedule_.FormatAmount(text_, Amount(-1250)));
    EXPECT_EQ(text_, "-12,50 $");
}

TEST_F(FeeCalculation, ChargesWithoutItemizedEntriesTotalZero) {
    ASSERT_TRUE(schedule_.CalcCharges(text_, &value_));
    EXPECT_EQ(text_, "$0.00");
    EXPECT_EQ(value_, gb::Money());
    ASSERT_TRUE(schedule_.CalcFees(text_, &value_));
    EXPECT_EQ(value_, gb::Money());
}

TEST_F(FeeCalculation, ChargesAndFeesTotalTheActiveItemizedEntriesOfTheirType) {
    DefineFixed(4, fee_type::Charge, "0.50");
    DefineFixed(5, fee_type::Charge, "7.00");  // not itemized
    DefineFixed(6, fee_type::Charge, "9.00");
    schedule_.SetActive(false);  // itemized but inactive
    DefineFixed(8, fee_type::SellerFee, "0.35");
    DefineFixed(9, fee_type::DisplayOnly, "3.00");
    schedule_.SetCurrencySymbol("\x80");
    for (int entry : {0, 4, 6, 9}) {
        item_.AddItemizedCharge(entry);
    }
    item_.AddItemizedFee(8);
    item_.AddItemizedFee(9);
    schedule_.SetItem(item_);

    ASSERT_TRUE(schedule_.CalcCharges(text_, &value_));
    EXPECT_EQ(value_, Amount(288));  // 2.38 + 0.50
    EXPECT_EQ(text_, "$2.88");
    ASSERT_TRUE(schedule_.CalcFees(text_, &value_));
    EXPECT_EQ(value_, Amount(35));
}

TEST_F(FeeCalculation, ChargeThatCannotBeCalculatedSpoilsTheTotal) {
    item_.AddItemizedCharge(0);
    item_.SetMaxBid("");
    schedule_.SetItem(item_);
    EXPECT_FALSE(schedule_.CalcCharges(text_, &value_));
    EXPECT_EQ(text_, "Unknown");
    EXPECT_FALSE(value_.IsValid());
}

}  // namespace
