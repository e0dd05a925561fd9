#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "template_editor/core/FieldTokens.h"

namespace gb::editor {
namespace {

namespace fee_type = gb::itemdb::fee_type;

TEST(FieldTokens, BlanksAndAmpersandsBecomeUnderscoresInOneToken) {
    EXPECT_EQ(FieldToken("S&H Charge"), "[S_H_Charge] ");
    EXPECT_EQ(FieldToken("Buyer ID"), "[Buyer_ID] ");
    EXPECT_EQ(FieldToken("Handling*"), "[Handling*] ");
}

TEST(FieldTokens, ListsTheItemFieldsAndTheActiveListedFeeEntries) {
    gb::itemdb::CFeeSchedule schedule;
    const auto define = [&](int entry, const char* name, std::int32_t type, bool active) {
        schedule.SetCurrent(entry);
        schedule.SetName(name);
        schedule.SetType(type);
        schedule.SetActive(active);
    };
    define(0, "Handling", fee_type::Charge, true);
    define(1, "Gallery", fee_type::SellerFee, true);
    define(2, "In Euro", fee_type::DisplayOnly, true);
    define(3, "Card Fee", fee_type::TransactionFee, true);
    define(4, "Old Charge", fee_type::Charge, false);

    const std::vector<std::string> names = FieldNames(schedule);
    const auto listed = [&](const std::string& name) {
        return std::count(names.begin(), names.end(), name);
    };
    EXPECT_EQ(names.size(), 49u + 3u);
    EXPECT_EQ(names.front(), "Auction ID");
    EXPECT_EQ(names[48], "Shipping Add L5");
    EXPECT_EQ(listed("S&H Charge"), 1);
    EXPECT_EQ(listed("Handling*"), 1);
    EXPECT_EQ(listed("Gallery*"), 1);
    EXPECT_EQ(listed("In Euro*"), 1);
    EXPECT_EQ(listed("Card Fee*"), 0);
    EXPECT_EQ(listed("Old Charge*"), 0);
}

}  // namespace
}  // namespace gb::editor
