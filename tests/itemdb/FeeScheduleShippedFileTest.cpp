#include <gtest/gtest.h>

#include <string>

#include "ShippedData.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

class ShippedFeeSchedule : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MakeShippedData(folder_.Path()));
        ASSERT_TRUE(schedule_.Load(folder_ / "AucField.fee"));
    }

    // The entry of that name and type among the active ones; -1 when none.
    int Find(std::string_view name, std::int32_t type) {
        int found = -1;
        schedule_.IsNameUsed(name, type, -1, &found);
        return found;
    }

    TempFolder folder_;
    CFeeSchedule schedule_;
};

TEST_F(ShippedFeeSchedule, HasOneActiveEntryOfEachKindAndLeavesTheRestAvailable) {
    int active = 0;
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        const CFeeEntry& entry = schedule_.GetEntry(i);
        if (entry.IsActive()) {
            ++active;
        } else {
            EXPECT_EQ(entry, CFeeEntry(i));
        }
    }
    EXPECT_EQ(active, 4);
    EXPECT_GE(Find("Handling", fee_type::Charge), 0);
    EXPECT_GE(Find("PayPal Std", fee_type::TransactionFee), 0);
    EXPECT_GE(Find("Gallery", fee_type::SellerFee), 0);
    EXPECT_GE(Find("Euro Price", fee_type::DisplayOnly), 0);
}

TEST_F(ShippedFeeSchedule, EntriesCalculateForASoldItem) {
    CAucItem item;
    item.SetMaxBid("20.00");
    item.SetSHCharge("5.00");
    schedule_.SetItem(item);
    const struct {
        const char* name;
        std::int32_t type;
        std::string amount;
    } cases[] = {
        {"Handling", fee_type::Charge, "$1.00"},
        {"PayPal Std", fee_type::TransactionFee, "$1.03"},  // 0.30 + 2.9% of 25.00
        {"Gallery", fee_type::SellerFee, "$0.35"},
        {"Euro Price", fee_type::DisplayOnly, "\x80" + std::string("18.40")},  // 92% of 20.00
    };
    for (const auto& c : cases) {
        std::string text;
        EXPECT_TRUE(schedule_.CalculateEntry(Find(c.name, c.type), text)) << c.name;
        EXPECT_EQ(text, c.amount) << c.name;
    }
}

}  // namespace
