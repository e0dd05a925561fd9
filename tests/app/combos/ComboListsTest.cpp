// The value lists of the drop-down fields: stored without ';', read at any
// length, written back only when they changed, and the values entered.

#include <gtest/gtest.h>

#include "app/core/AppSettings.h"
#include "app/core/MachineProfile.h"
#include "app/core/combos/ComboLists.h"
#include "itemdb/FieldId.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "tests/support/PinnedLocale.h"
#include "tests/support/TempFolder.h"

using gb::app::ComboField;
using gb::app::ComboListStore;

namespace {

constexpr ComboField kShipping{gb::itemdb::field::ShippingMethod, false};
constexpr ComboField kWeight{gb::itemdb::field::Weight, false};

class ComboListsTest : public ::testing::Test {
protected:
    std::string Stored(std::string_view name) const {
        return machine.GetString(gb::app::SectionKey(gb::app::section::Combos), name, "missing");
    }
    bool Has(std::string_view name) const { return Stored(name) != "missing"; }

    gb::test::TempFolder folder;
    gb::Settings machine{folder / "machine.settings"};
    gb::app::MachineProfile profile{machine};
    ComboListStore store{profile};
};

TEST(ComboFieldsTest, FourteenFieldsFiveOfThemPlainText) {
    const auto& fields = gb::app::ComboFields();
    ASSERT_EQ(fields.size(), 14u);
    EXPECT_EQ(fields.front().nameId, gb::itemdb::field::ItemCost);
    EXPECT_TRUE(fields.front().monetary);
    EXPECT_EQ(std::count_if(fields.begin(), fields.end(), [](auto f) { return !f.monetary; }), 5);
}

TEST_F(ComboListsTest, AListRoundTripsWithoutItsSemicolons) {
    store.Load(kShipping);
    ASSERT_TRUE(store.Save(kShipping, {"First;Class", "Priority"}));
    EXPECT_EQ(Stored("Shipping Method"), "FirstClass;Priority;");
    ComboListStore reopened(profile);
    EXPECT_EQ(reopened.Load(kShipping), (std::vector<std::string>{"FirstClass", "Priority"}));
}

TEST_F(ComboListsTest, ALongListIsReadWhole) {
    std::string text;
    std::vector<std::string> values;
    for (int i = 0; i < 40; ++i) {
        values.push_back("Method number " + std::to_string(i));
        text += values.back() + ";";
    }
    ASSERT_GT(text.size(), 150u);
    ASSERT_TRUE(profile.WriteString("Combos", "Shipping Method", text));
    EXPECT_EQ(store.Load(kShipping), values);
}

TEST_F(ComboListsTest, OnlyChangedListsAreWritten) {
    ASSERT_TRUE(profile.WriteString("Combos", "Shipping Method", "Air;Sea"));
    store.Load(kShipping);
    store.Load(kWeight);
    ASSERT_TRUE(store.Save(kShipping, {"Air", "Sea"}));
    ASSERT_TRUE(store.Save(kWeight, {}));
    EXPECT_EQ(Stored("Shipping Method"), "Air;Sea");
    EXPECT_FALSE(Has("Weight"));
    // A list never read is not written either.
    ComboListStore other(profile);
    ASSERT_TRUE(other.Save(kWeight, {"Heavy"}));
    EXPECT_FALSE(Has("Weight"));
}

TEST_F(ComboListsTest, AnEmptiedListIsStoredAsZeroAndReadsEmpty) {
    ASSERT_TRUE(profile.WriteString("Combos", "Shipping Method", "Air;"));
    store.Load(kShipping);
    ASSERT_TRUE(store.Save(kShipping, {}));
    EXPECT_EQ(machine.GetNumber(gb::app::SectionKey(gb::app::section::Combos), "Shipping Method", 7), 0u);
    EXPECT_TRUE(ComboListStore(profile).Load(kShipping).empty());
}

TEST(ListValueTest, AmountsAreWrittenInTheUsersCurrency) {
    const gb::test::PinnedLocale us(gb::kLocaleEnglishUS);
    EXPECT_EQ(gb::app::CheckListValue("3.5", true).value, "$3.50");
    EXPECT_EQ(gb::app::CheckListValue("$1,200", true).value, "$1,200.00");
    const auto garbage = gb::app::CheckListValue("cheap", true);
    EXPECT_FALSE(garbage.value);
    EXPECT_TRUE(garbage.askAmount);
    EXPECT_TRUE(gb::app::CheckListValue("", true).askAmount);
    EXPECT_EQ(gb::app::CheckListValue("Heavy", false).value, "Heavy");
    const auto empty = gb::app::CheckListValue("", false);
    EXPECT_FALSE(empty.value);
    EXPECT_FALSE(empty.askAmount);
}

}  // namespace
