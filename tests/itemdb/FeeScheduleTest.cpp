#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include <string>
#include <vector>

#include "itemdb/FeeSchedule.h"

using namespace gb::itemdb;

namespace {

// Makes an entry active with the given type and display order.
void Define(CFeeSchedule& schedule, int entry, std::int32_t type, std::int32_t order,
            std::string_view name = "Fee") {
    ASSERT_TRUE(schedule.SetCurrent(entry));
    schedule.SetType(type);
    ASSERT_TRUE(schedule.SetOrder(order));
    schedule.SetName(name);
    schedule.SetActive(true);
}

std::vector<int> Walk(CFeeSchedule& schedule, std::int32_t mask) {
    std::vector<int> visited;
    for (bool more = schedule.MoveFirst(mask); more; more = schedule.MoveNext(mask)) {
        visited.push_back(schedule.GetCurrent());
    }
    return visited;
}

TEST(FeeSchedule, FreshScheduleHasUnusedDisplayOnlyEntries) {
    CFeeSchedule schedule;
    EXPECT_EQ(schedule.GetCurrent(), 0);
    EXPECT_TRUE(schedule.GetPath().empty());
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        const CFeeEntry& entry = schedule.GetEntry(i);
        EXPECT_EQ(entry.GetName(), "Available");
        EXPECT_EQ(entry.GetDescription(), "Add your own");
        EXPECT_EQ(entry.GetCurrencySymbol(), "$");
        EXPECT_FALSE(entry.IsActive());
        EXPECT_EQ(entry.GetOrder(), i);
        EXPECT_EQ(entry.GetType(), fee_type::DisplayOnly);
        EXPECT_EQ(entry.GetBase(), gb::Money());
        EXPECT_EQ(entry.GetFactor(), 0.0f);
        EXPECT_EQ(entry.GetFieldCodes(), "");
    }
    std::vector<int> all(CFeeSchedule::kEntryCount);
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        all[i] = i;
    }
    EXPECT_EQ(Walk(schedule, fee_type::Any), all);
}

TEST(FeeSchedule, EntryNumbersAndOrdersOutsideTheTableAreRefused) {
    CFeeSchedule schedule;
    schedule.SetCurrent(5);
    EXPECT_FALSE(schedule.SetCurrent(32));
    EXPECT_FALSE(schedule.SetCurrent(-1));
    EXPECT_EQ(schedule.GetCurrent(), 5);
    EXPECT_FALSE(schedule.SetOrder(32));
    EXPECT_FALSE(schedule.SetOrder(-1));
    EXPECT_TRUE(schedule.SetOrder(31));
    EXPECT_EQ(schedule.GetEntry(5).GetOrder(), 31);
}

TEST(FeeSchedule, WalkVisitsMatchingTypesInDisplayOrderEqualOrdersByNumber) {
    CFeeSchedule schedule;
    Define(schedule, 7, fee_type::SellerFee, 5);
    Define(schedule, 3, fee_type::SellerFee, 2);
    Define(schedule, 9, fee_type::SellerFee, 2);
    Define(schedule, 1, fee_type::Charge, 0);
    EXPECT_EQ(Walk(schedule, fee_type::SellerFee), (std::vector<int>{3, 9, 7}));
    EXPECT_EQ(Walk(schedule, fee_type::SellerFee | fee_type::Charge),
              (std::vector<int>{1, 3, 9, 7}));
    EXPECT_EQ(schedule.GetCurrent(), 7);  // a walk that runs out stays on its last entry
}

TEST(FeeSchedule, ManyEqualOrdersWalkInEntryNumberOrder) {
    CFeeSchedule schedule;
    std::vector<int> expected[2];
    for (int entry = 0; entry < CFeeSchedule::kEntryCount; ++entry) {
        Define(schedule, entry, fee_type::Charge, 1 - entry % 2);
        expected[1 - entry % 2].push_back(entry);
    }
    expected[0].insert(expected[0].end(), expected[1].begin(), expected[1].end());
    EXPECT_EQ(Walk(schedule, fee_type::Any), expected[0]);
}

TEST(FeeSchedule, WalkWithoutMatchKeepsTheCurrentEntry) {
    CFeeSchedule schedule;
    schedule.SetCurrent(12);
    EXPECT_FALSE(schedule.MoveFirst(fee_type::TransactionFee));
    EXPECT_EQ(schedule.GetCurrent(), 12);
}

TEST(FeeSchedule, MoveNextKeepsTheOrderOfTheLastSort) {
    CFeeSchedule schedule;
    Define(schedule, 2, fee_type::Charge, 2);
    Define(schedule, 4, fee_type::Charge, 4);
    ASSERT_TRUE(schedule.MoveFirst(fee_type::Charge));
    EXPECT_EQ(schedule.GetCurrent(), 2);
    schedule.SetCurrent(4);
    schedule.SetOrder(0);  // not seen until the next sort
    schedule.SetCurrent(2);
    ASSERT_TRUE(schedule.MoveNext(fee_type::Charge));
    EXPECT_EQ(schedule.GetCurrent(), 4);
    EXPECT_EQ(Walk(schedule, fee_type::Charge), (std::vector<int>{4, 2}));
}

// A copy takes the entries and the current entry but walks on in the order
// the receiving schedule last sorted, until its next MoveFirst.
TEST(FeeSchedule, CopyingLeavesTheDisplayOrderBehind) {
    CFeeSchedule sorted;
    Define(sorted, 2, fee_type::Charge, 2, "Two");
    Define(sorted, 4, fee_type::Charge, 0, "Four");
    ASSERT_EQ(Walk(sorted, fee_type::Charge), (std::vector<int>{4, 2}));
    sorted.SetCurrent(2);

    CFeeSchedule assigned;
    assigned = sorted;
    CFeeSchedule constructed(sorted);
    for (CFeeSchedule* copy : {&assigned, &constructed}) {
        EXPECT_EQ(copy->GetCurrent(), 2);
        EXPECT_EQ(copy->GetName(), "Two");
        // In entry order 4 follows 2; in the copied order nothing would.
        ASSERT_TRUE(copy->MoveNext(fee_type::Charge));
        EXPECT_EQ(copy->GetCurrent(), 4);
        EXPECT_EQ(Walk(*copy, fee_type::Charge), (std::vector<int>{4, 2}));
    }
}

TEST(FeeSchedule, FactorKeepsFiveDecimals) {
    const struct {
        float given;
        float stored;
    } cases[] = {
        {0.1234567f, 0.12346f}, {-0.1234567f, -0.12345f}, {0.035f, 0.035f},
        {1.5f, 1.5f},           {0.000004f, 0.0f},        {0.000006f, 0.00001f},
    };
    CFeeSchedule schedule;
    for (const auto& c : cases) {
        schedule.SetFactor(c.given);
        EXPECT_FLOAT_EQ(schedule.GetFactor(), c.stored) << c.given;
    }
}

// Storing a stored factor again changes nothing, whatever its sign and
// length: an untouched fee editor saves it as it was.
TEST(FeeSchedule, AStoredFactorStoresAgainUnchanged) {
    CFeeSchedule schedule;
    for (const float given :
         {-0.05f, -0.04999f, -0.1234567f, -149.87654f, 149.87654f, 0.029f, -0.00001f, -1234.5f}) {
        schedule.SetFactor(given);
        const float stored = schedule.GetFactor();
        for (int again = 0; again < 3; ++again) {
            schedule.SetFactor(schedule.GetFactor());
        }
        EXPECT_EQ(std::bit_cast<std::uint32_t>(schedule.GetFactor()),
                  std::bit_cast<std::uint32_t>(stored))
            << given;
    }
    schedule.SetFactor(-0.05f);
    EXPECT_EQ(schedule.GetFactor(), -0.05f);
    schedule.SetFactor(-0.04999f);
    EXPECT_EQ(schedule.GetFactor(), -0.04999f);
}

TEST(FeeSchedule, AddingAFieldTwiceListsItOnce) {
    CFeeSchedule schedule;
    EXPECT_EQ(schedule.GetFieldCount(), 0);
    schedule.AddField(36);
    schedule.AddField(36);
    EXPECT_EQ(schedule.GetEntry().GetFieldCodes(), "\"E");
    schedule.AddField(50);
    EXPECT_EQ(schedule.GetEntry().GetFieldCodes(), "#ES");
    EXPECT_EQ(schedule.GetFieldCount(), 2);
    EXPECT_TRUE(schedule.HasField(50));
    EXPECT_FALSE(schedule.HasField(2));  // the count character '#' is not a field
    schedule.AddField(82);               // not a field code
    schedule.AddField(-1);
    EXPECT_EQ(schedule.GetFieldCount(), 2);
    schedule.ClearFields();
    EXPECT_EQ(schedule.GetEntry().GetFieldCodes(), "");
    EXPECT_FALSE(schedule.HasField(36));
}

TEST(FeeSchedule, BaseTextEmptyIsNullGarbageIsInvalid) {
    CFeeSchedule schedule;
    std::string text;
    gb::Money value;
    EXPECT_TRUE(schedule.SetBaseText("1.5"));
    EXPECT_TRUE(schedule.GetBaseText(text, &value));
    EXPECT_EQ(text, "$1.50");
    EXPECT_EQ(value, gb::Money::FromUnits(15000));

    EXPECT_TRUE(schedule.SetBaseText(""));
    EXPECT_FALSE(schedule.GetBaseText(text, &value));
    EXPECT_EQ(text, "Unknown");
    EXPECT_TRUE(value.IsNull());

    EXPECT_FALSE(schedule.SetBaseText("1,5x"));
    EXPECT_FALSE(schedule.GetBaseText(text));
    EXPECT_EQ(schedule.GetEntry().GetBase().Status(), gb::ValueStatus::Invalid);
}

TEST(FeeSchedule, NameIsUsedOnlyByAnotherActiveEntryOfTheSameType) {
    CFeeSchedule schedule;
    Define(schedule, 4, fee_type::Charge, 4, "Handling");
    Define(schedule, 6, fee_type::SellerFee, 6, "Gallery");
    schedule.SetCurrent(0);
    int found = -1;
    EXPECT_TRUE(schedule.IsNameUsed("HANDLING", fee_type::Charge, 0, &found));
    EXPECT_EQ(found, 4);
    // The entry being edited stays current, so the edit lands on it.
    EXPECT_EQ(schedule.GetCurrent(), 0);
    EXPECT_FALSE(schedule.IsNameUsed("Handling", fee_type::Charge, 4));
    EXPECT_FALSE(schedule.IsNameUsed("Handling", fee_type::SellerFee, -1));
    EXPECT_FALSE(schedule.IsNameUsed("Available", fee_type::DisplayOnly, -1));
}

TEST(FeeSchedule, ActiveNameMakesTheEntryCurrent) {
    CFeeSchedule schedule;
    Define(schedule, 4, fee_type::Charge, 4, "Handling");
    std::string name = "old";
    EXPECT_TRUE(schedule.GetActiveName(4, name));
    EXPECT_EQ(name, "Handling");
    EXPECT_FALSE(schedule.GetActiveName(5, name));
    EXPECT_EQ(name, "");
    EXPECT_EQ(schedule.GetCurrent(), 5);
    EXPECT_FALSE(schedule.GetActiveName(32, name));
    EXPECT_EQ(schedule.GetCurrent(), 5);
}

}  // namespace
