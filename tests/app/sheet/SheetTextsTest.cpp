// The texts the item sheet shows and stores: the title line, the shipping
// address's line ends, and money fields stored in order.

#include <gtest/gtest.h>

#include <string>

#include "app/core/sheet/MultiLineText.h"
#include "app/core/sheet/SheetTexts.h"
#include "app/core/sheet/SheetTitle.h"
#include "itemdb/FieldId.h"

namespace gb::app {
namespace {

using itemdb::CAucItem;
namespace field = itemdb::field;

struct TitleCase {
    std::string description;
    std::string expected;
};

class SheetTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(SheetTitleTest, CutsLongDescriptionsAtABlank) {
    EXPECT_EQ(SheetTitle(GetParam().description, "123"), GetParam().expected + " [123]");
}

const std::string k45(45, 'a');

INSTANTIATE_TEST_SUITE_P(Descriptions, SheetTitleTest,
                         ::testing::Values(TitleCase{k45, k45},
                                           // A blank at position 47 of 50 characters.
                                           TitleCase{k45 + "bc defg", k45 + "bc"},
                                           // A blank at position 45 itself.
                                           TitleCase{k45 + " tail", k45},
                                           // The first blank after 45 lies beyond 60.
                                           TitleCase{k45 + std::string(16, 'b') + " x", k45},
                                           TitleCase{k45 + std::string(15, 'b') + " x",
                                                     k45 + std::string(15, 'b')}));

TEST(AddressText, AnUntouchedAddressKeepsItsLineEndsExactly) {
    for (const std::string stored :
         {"Ann Lee\r\n1 Main St\r\nSpringfield", "Old\rStyle\r\nMixed", "Trailing\r\n", ""}) {
        EXPECT_EQ(LinesForStoring(LinesForEditing(stored), stored), stored);
    }
    EXPECT_EQ(LinesForEditing("a\r\nb\rc"), "a\nb\nc");
}

TEST(AddressText, AnEditedAddressIsStoredWithCrLfPairs) {
    EXPECT_EQ(LinesForStoring("Ann Lee\n2 Main St\n", "Ann Lee\r1 Main St"),
              "Ann Lee\r\n2 Main St\r\n");
}

TEST(SheetTexts, NullAmountsAndDatesShowEmpty) {
    CAucItem item;
    EXPECT_EQ(EditText(item, field::InsertionFee), "");
    EXPECT_EQ(EditText(item, field::PayDate), "");
    ASSERT_TRUE(item.SetReserveAmt("123456.78"));
    EXPECT_EQ(EditText(item, field::ReserveAmt), "$123,456.78");
}

TEST(SheetTexts, StoreInOrderStopsAtTheFirstRefusalAndNamesIt) {
    CAucItem item;
    const FieldEdit edits[] = {
        {field::MinBid, "5"}, {field::ItemCost, "abc"}, {field::ReserveAmt, "7"}};
    EXPECT_EQ(StoreInOrder(item, edits), "Invalid Item Cost");
    EXPECT_EQ(EditText(item, field::MinBid), "$5.00");
    EXPECT_EQ(EditText(item, field::ReserveAmt), EditText(CAucItem(), field::ReserveAmt));
}

TEST(SheetTexts, AnUntouchedAmountKeepsItsDecimalsAndATypedOneIsStored) {
    CAucItem item;
    ASSERT_TRUE(item.SetMinBid("12.345"));
    const Money stored = *item.GetMoneyValue(field::MinBid);
    const std::string shown = EditText(item, field::MinBid);
    EXPECT_EQ(shown, "$12.35");
    const FieldEdit untouched[] = {{field::MinBid, shown}};
    EXPECT_EQ(StoreInOrder(item, untouched), std::nullopt);
    EXPECT_EQ(*item.GetMoneyValue(field::MinBid), stored);
    const FieldEdit typed[] = {{field::MinBid, "12.35"}};
    EXPECT_EQ(StoreInOrder(item, typed), std::nullopt);
    EXPECT_EQ(item.GetMoneyValue(field::MinBid)->Units(), 123500);
}

TEST(SheetTexts, LiveInvoiceAmtIgnoresATextThatDoesNotParse) {
    CAucItem item;
    ASSERT_TRUE(item.SetMaxBid("10"));
    ASSERT_TRUE(item.SetSHCharge("2"));
    EXPECT_EQ(LiveInvoiceAmt(item, field::SHCharge, "3.5"), "$13.50");
    EXPECT_EQ(LiveInvoiceAmt(item, field::SHCharge, "3.x"), std::nullopt);
    EXPECT_EQ(EditText(item, field::SHCharge), "$2.00");  // stored only when the page is left
}

// Typing in a live box and typing back the text it showed, then leaving the
// page: the amount keeps the decimals the box did not show.
class RetypedLiveAmount : public ::testing::TestWithParam<int> {};

TEST_P(RetypedLiveAmount, KeepsTheStoredAmountExactly) {
    const int fieldId = GetParam();
    CAucItem item;
    ASSERT_TRUE(item.SetMaxBid("10"));
    ASSERT_TRUE(item.SetFieldText(fieldId, "6.5049"));
    const CAucItem original = item;
    const std::string shown = EditText(item, fieldId);
    ASSERT_EQ(shown, "$6.50");
    EXPECT_EQ(LiveInvoiceAmt(item, fieldId, "$6.5"), "$16.50");
    EXPECT_EQ(LiveInvoiceAmt(item, fieldId, shown), EditText(original, field::InvoiceAmt));
    const FieldEdit retyped[] = {{fieldId, shown}};
    EXPECT_EQ(StoreInOrder(item, retyped), std::nullopt);
    EXPECT_TRUE(item == original);
}

INSTANTIATE_TEST_SUITE_P(ShAndOtherCharges, RetypedLiveAmount,
                         ::testing::Values(field::SHCharge, field::OtherCharges));

}  // namespace
}  // namespace gb::app
