// The first four pages of the item sheet without their widgets: the status
// list, what each page stores and in which order it stops, and the payment
// method's fee.

#include <gtest/gtest.h>

#include "app/core/sheet/DescPageTexts.h"
#include "app/core/sheet/InvoicePageTexts.h"
#include "app/core/sheet/PayPageTexts.h"
#include "app/core/sheet/PaymentMethodFee.h"
#include "app/core/sheet/SheetTexts.h"
#include "app/core/sheet/ShipPageTexts.h"
#include "itemdb/FieldId.h"
#include "platform/Clock.h"

namespace gb::app {
namespace {

using itemdb::CAucItem;
using itemdb::CFeeSchedule;
using itemdb::CFolderTree;
namespace field = itemdb::field;
namespace folder = itemdb::folder;

CFolderTree TreeWithStatuses() {
    CFolderTree tree;
    tree.AddNode(folder::ByStatus, folder::Root, folder::Root, folder::ByStatus);
    const std::int32_t paid = tree.AddNode(folder::ByStatus, folder::ByStatus, folder::ByStatus);
    tree.SetCurName("Paid");
    const std::int32_t shipped = tree.AddNode(folder::ByStatus, folder::ByStatus, paid);
    tree.SetCurName("Shipped");
    tree.AddNode(folder::ByCategory, folder::Root, shipped, folder::ByCategory);
    return tree;
}

TEST(ItemPage, OffersNeedsAttentionAndEveryStatusFolder) {
    CFolderTree tree = TreeWithStatuses();
    CAucItem item;
    const std::vector<StatusChoice> choices = ItemStatusChoices(item, tree);
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0], (StatusChoice{folder::NeedsAttention, "Needs Attention"}));
    EXPECT_EQ(choices[1].name, "Paid");
    EXPECT_EQ(choices[2].name, "Shipped");
    EXPECT_EQ(StatusChoiceIndex(choices, choices[2].id), 2);
    EXPECT_EQ(StatusChoiceIndex(choices, 4711), 0);
}

TEST(ItemPage, AnItemInProgressOffersOnlyInProgressAndKeepsIt) {
    CFolderTree tree = TreeWithStatuses();
    CAucItem item;
    item.SetStatus(folder::InProgress, true);
    const std::vector<StatusChoice> choices = ItemStatusChoices(item, tree);
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0], (StatusChoice{folder::InProgress, "In Progress"}));
    EXPECT_EQ(DescPageTexts::Read(item).Store(item, folder::NeedsAttention), std::nullopt);
    EXPECT_EQ(item.GetStatus(), folder::InProgress);
}

TEST(ItemPage, AnAmountThatDoesNotParseStopsBeforeStatusAndFeedback) {
    CAucItem item;
    DescPageTexts texts = DescPageTexts::Read(item);
    texts.description = "Brass lamp";
    texts.minBid = "abc";
    texts.feedback = "great";
    EXPECT_EQ(texts.Store(item, 200), "Invalid Min Bid");
    EXPECT_EQ(item.GetDescription(), "Brass lamp");
    EXPECT_EQ(item.GetFeedback(), "");
    EXPECT_EQ(item.GetStatus(), folder::NeedsAttention);

    texts.minBid = "";
    EXPECT_EQ(texts.Store(item, 200), std::nullopt);
    EXPECT_TRUE(item.GetMoneyValue(field::MinBid)->IsNull());
    EXPECT_EQ(item.GetStatus(), 200);
    EXPECT_EQ(item.GetFeedback(), "great");
}

TEST(ItemPage, TheDescriptionKeepsItsLineEnds) {
    CAucItem item;
    item.SetDescription("Brass lamp\r\nwith shade");
    DescPageTexts texts = DescPageTexts::Read(item);
    EXPECT_EQ(texts.description, "Brass lamp\nwith shade");
    EXPECT_EQ(texts.Store(item, item.GetStatus()), std::nullopt);
    EXPECT_EQ(item.GetDescription(), "Brass lamp\r\nwith shade");
    texts.description = "Brass lamp\nwith glass shade";
    EXPECT_EQ(texts.Store(item, item.GetStatus()), std::nullopt);
    EXPECT_EQ(item.GetDescription(), "Brass lamp\r\nwith glass shade");
}

TEST(InvoicePage, RatingIsChecked) {
    CAucItem item;
    InvoicePageTexts texts = InvoicePageTexts::Read(item);
    texts.buyerId = "bob";
    texts.rating = "x";
    EXPECT_EQ(texts.Store(item), "Invalid Rating");
    EXPECT_EQ(item.GetBuyerId(), "bob");
}

// A schedule whose entries 3 (inactive) and 5 (active) are both named
// "PayPal", charging 10% of the amount received.
CFeeSchedule ScheduleWithPaymentFees() {
    CFeeSchedule fees;
    for (const auto& [entry, active, base] :
         {std::tuple{3, false, "9.00"}, std::tuple{5, true, "0.30"}}) {
        fees.SetCurrent(entry);
        fees.SetName("PayPal");
        fees.SetType(itemdb::fee_type::TransactionFee);
        fees.SetActive(active);
        fees.SetBaseText(base);
        fees.SetFactor(0.1f);
        fees.AddField(field::AmtReceived - 468);
    }
    return fees;
}

TEST(PaymentMethodFee, OnlyActiveEntriesOfTheExactNameCount) {
    CFeeSchedule fees = ScheduleWithPaymentFees();
    CAucItem item;
    ASSERT_TRUE(item.SetAmtReceived("20"));
    EXPECT_EQ(PaymentMethodFee(fees, item, "PayPal"), "$2.30");
    EXPECT_EQ(PaymentMethodFee(fees, item, "paypal"), std::nullopt);
    EXPECT_EQ(PaymentMethodFee(fees, item, ""), std::nullopt);
}

TEST(PaymentPage, ChoosingAMethodOnAnUnpaidItemTakesTheInvoiceAmountToday) {
    const FixedClock clock(DateTime::FromCivil(2024, 3, 9, 15, 30));
    const ScopedClock installed(clock);
    CFeeSchedule fees = ScheduleWithPaymentFees();
    CAucItem item;
    ASSERT_TRUE(item.SetMaxBid("20"));
    PayPageTexts texts = PayPageTexts::Read(item);
    EXPECT_EQ(texts.amtReceived, "");

    texts.ChooseMethod("PayPal", item, fees);
    EXPECT_EQ(texts.amtReceived, "$20.00");
    EXPECT_EQ(texts.payDate, (PickedDate{2024, 3, 9}));
    EXPECT_EQ(texts.paymentMethod, "PayPal");
    EXPECT_EQ(texts.transactionFee, "$2.30");

    texts.ChooseMethod("Check", item, fees);
    EXPECT_EQ(texts.transactionFee, "$0.00");

    EXPECT_EQ(texts.Store(item), std::nullopt);
    std::string payDate;
    item.GetPayDate(payDate);
    EXPECT_EQ(payDate, "3/9/2024");
    EXPECT_EQ(item.GetDateValue(field::PayDate)->Days(),
              DateTime::FromCivil(2024, 3, 9).Days());  // no time of day
}

TEST(PaymentPage, TheFeeIsZeroWhenTheAmountReceivedDoesNotParse) {
    CFeeSchedule fees = ScheduleWithPaymentFees();
    CAucItem item;
    ASSERT_TRUE(item.SetAmtReceived("5"));
    PayPageTexts texts = PayPageTexts::Read(item);
    texts.amtReceived = "five";
    texts.ChooseMethod("PayPal", item, fees);
    EXPECT_EQ(texts.transactionFee, "$0.00");
    EXPECT_EQ(EditText(item, field::AmtReceived), "$5.00");
    EXPECT_EQ(texts.Store(item), "Invalid Amt Received");
}

TEST(PaymentPage, ClearingThePayDateClearsItOnLeavingThePage) {
    CAucItem item;
    ASSERT_TRUE(item.SetEndDate("3/1/2024"));
    ASSERT_TRUE(item.SetPayDate("3/4/2024"));
    PayPageTexts texts = PayPageTexts::Read(item);
    EXPECT_EQ(texts.daysToPay, "3");
    texts.payDate = PickedDate{2024, 3, 6};
    texts.PayDateChanged(item);
    EXPECT_EQ(texts.daysToPay, "5");
    texts.payDate.reset();
    texts.PayDateChanged(item);
    EXPECT_EQ(texts.Store(item), std::nullopt);
    EXPECT_TRUE(item.GetDateValue(field::PayDate)->IsNull());
}

// A pay date picked and picked back, and a method chosen on a paid item: the
// pay date keeps its time of day and the amount received its decimals.
TEST(PaymentPage, ADatePickedBackAndAChosenMethodKeepThePaymentExactly) {
    CAucItem item;
    ASSERT_TRUE(item.SetEndDate("3/1/2024"));
    ASSERT_TRUE(item.SetPayDate("3/4/2024 14:35:10"));
    ASSERT_TRUE(item.SetAmtReceived("20.0049"));
    const CAucItem original = item;
    CFeeSchedule fees = ScheduleWithPaymentFees();
    PayPageTexts texts = PayPageTexts::Read(item);
    texts.payDate = PickedDate{2024, 3, 6};
    texts.PayDateChanged(item);
    texts.payDate = PickedDate{2024, 3, 4};
    texts.PayDateChanged(item);
    texts.ChooseMethod("PayPal", item, fees);
    EXPECT_EQ(texts.transactionFee, "$2.30");
    EXPECT_EQ(texts.Store(item), std::nullopt);
    EXPECT_EQ(item.GetDateValue(field::PayDate), original.GetDateValue(field::PayDate));
    EXPECT_EQ(item.GetMoneyValue(field::AmtReceived), original.GetMoneyValue(field::AmtReceived));
    EXPECT_EQ(item.GetPaymentMethod(), "PayPal");
}

TEST(PaymentPage, ChoosingAMethodKeepsAPickedPayDateAndTakesZeroAsUnpaid) {
    CAucItem item;
    ASSERT_TRUE(item.SetAmtReceived("0"));
    ASSERT_TRUE(item.SetMaxBid("20"));
    CFeeSchedule fees = ScheduleWithPaymentFees();
    PayPageTexts texts = PayPageTexts::Read(item);
    EXPECT_EQ(texts.amtReceived, "$0.00");
    texts.payDate = PickedDate{2024, 3, 2};
    texts.ChooseMethod("PayPal", item, fees);
    EXPECT_EQ(texts.amtReceived, "$20.00");
    EXPECT_EQ(texts.payDate, (PickedDate{2024, 3, 2}));
}

TEST(PaymentPage, StoresTheEditedBuyerAndRatingBoth) {
    CAucItem item;
    PayPageTexts texts = PayPageTexts::Read(item);
    texts.buyerId = "ann";
    texts.rating = "12";
    EXPECT_EQ(texts.Store(item), std::nullopt);
    EXPECT_EQ(item.GetBuyerId(), "ann");
    EXPECT_EQ(EditText(item, field::Rating), "12");
}

TEST(PaymentPage, AnUntouchedPayDateKeepsItsTimeOfDayAndAPickedOneHasNone) {
    CAucItem item;
    ASSERT_TRUE(item.SetPayDate("3/4/2024 14:35:10"));
    const double stored = item.GetDateValue(field::PayDate)->Days();
    PayPageTexts texts = PayPageTexts::Read(item);
    EXPECT_EQ(texts.Store(item), std::nullopt);
    EXPECT_EQ(item.GetDateValue(field::PayDate)->Days(), stored);
    texts.payDate = PickedDate{2024, 3, 5};
    EXPECT_EQ(texts.Store(item), std::nullopt);
    EXPECT_EQ(item.GetDateValue(field::PayDate)->Days(), DateTime::FromCivil(2024, 3, 5).Days());
}

TEST(ShippingPage, StoresDateAndNotesEvenWhenACostIsRefused) {
    const FixedClock clock(DateTime::FromCivil(2024, 5, 1, 9));
    const ScopedClock installed(clock);
    CAucItem item;
    ASSERT_TRUE(item.SetShippingAddress("Ann\r\nMain St"));
    ShipPageTexts texts = ShipPageTexts::Read(item);
    EXPECT_EQ(texts.address, "Ann\nMain St");
    texts.shipCost = "4.50";
    texts.ShipCostEntered();
    texts.insuranceCost = "lots";
    texts.shippingNote = "fragile";
    EXPECT_EQ(texts.Store(item), "Invalid Insurance Cost");
    EXPECT_EQ(item.GetShippingAddress(), "Ann\r\nMain St");
    EXPECT_EQ(EditText(item, field::ShipCost), "$4.50");
    EXPECT_EQ(EditText(item, field::ShipDate), "5/1/2024");
    EXPECT_EQ(item.GetShippingNote(), "fragile");
}

}  // namespace
}  // namespace gb::app
