// Opening the item sheet, the bulk-update sheet and the fee editor and
// pressing OK without touching anything leaves the profile and the fee
// schedule byte for byte as they were, on values that a careless store would
// change: amounts with more than two decimals, dates with a time of day,
// texts with CR LF line ends, texts longer than their boxes' typing limits,
// negative and long factors. Typing back what a live box showed (S&H Charge,
// Other Charges) leaves the profile as it was, too.

#include <gtest/gtest.h>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/dialogs/bulk/CAutoSheet.h"
#include "app/dialogs/fees/CFeeSchdDlg.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "app/dialogs/sheet/EditItem.h"
#include "itemdb/AucDoc.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "qt/TestProfile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/UntouchedWindows.h"
#include "widgets/ScriptedModalRunner.h"

namespace gb::app::ui {
namespace {

using itemdb::CAucDoc;
using itemdb::CAucItem;
using itemdb::CFeeSchedule;
using itemdb::CItemList;
using widgets::ScriptedModalRunner;
namespace field = itemdb::field;
namespace fee_type = itemdb::fee_type;
namespace folder = itemdb::folder;

const std::vector<std::string> kPaymentMethods{"Cash", "Check", "Money Order", "PayPal Std"};

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// An item whose every field holds something a store through its box's text
// would change.
CAucItem AwkwardItem(const std::string& auctionId, std::int32_t sellerFolder) {
    CAucItem item;
    item.SetSite("eBay USA");
    item.SetSellerId(test_profile::kSeller);
    item.SetAuctionId(auctionId);
    item.SetFolderId(sellerFolder);
    item.SetDescription("Brass lamp\r\nwith etched glass shade, " + std::string(110, 'x'));
    item.SetStartDate("1/2/2024 08:05:09");
    item.SetEndDate("1/9/2024 21:47:13");
    item.SetPayDate("1/12/2024 14:35:10");
    item.SetShipDate("1/13/2024 09:15:00");
    for (const auto& [fieldId, amount] :
         std::initializer_list<std::pair<int, const char*>>{{field::MinBid, "12.345"},
                                                            {field::ItemCost, "0.0049"},
                                                            {field::ReserveAmt, "99.999"},
                                                            {field::MaxBid, "20.125"},
                                                            {field::SHCharge, "3.3333"},
                                                            {field::AmtReceived, "23.4585"},
                                                            {field::TransactionFee, "0.675"},
                                                            {field::ShipCost, "4.4449"},
                                                            {field::InsuranceCost, "1.0001"},
                                                            {field::InsertionFee, "0.355"},
                                                            {field::FinalFee, "1.125"},
                                                            {field::OtherFees, "2.2222"},
                                                            {field::OtherCharges, "1.5049"}}) {
        EXPECT_TRUE(item.SetFieldText(fieldId, amount)) << fieldId;
    }
    item.AddItemizedCharge(0);
    item.AddItemizedFee(2);
    item.SetBuyerId("a_buyer_whose_name_is_far_longer_than_the_sixty_characters_the_box_takes");
    item.SetEmail("someone@example.com");
    item.SetRating("-3");
    item.SetPaymentMethod("International money transfer");
    item.SetFeedback("Left positive feedback, thanks");
    item.SetShippingAddress("Ann Lee\r\n1 Main St\r\nSpringfield");
    item.SetShippingMethod("Parcel post, insured and tracked");
    item.SetWeight("2 lb 3 oz");
    item.SetAuctionType("Dutch");
    item.SetItemNote("From the estate sale in March");
    item.SetInvoiceNote("Combined with lot 12\r\nand lot 14");
    item.SetPayNote("Paid in two parts");
    item.SetShippingNote("Fragile");
    item.SetFeeNote("Gallery picture");
    item.SetChargeNote("Boxed");
    return item;
}

// A schedule with a long name, an amount of more than two decimals, a
// negative and a long factor, a two-line description, a method no longer
// listed and entries summing fields in an order of their own.
CFeeSchedule AwkwardSchedule() {
    CFeeSchedule schedule;
    const auto define = [&schedule](int entry, std::int32_t type, const char* name,
                                    const char* base, float factor, std::vector<int> fields) {
        schedule.SetCurrent(entry);
        schedule.SetType(type);
        schedule.SetName(name);
        schedule.SetDescription(std::string(name) + ", as agreed");
        schedule.SetActive(true);
        schedule.SetBaseText(base);
        schedule.SetFactor(factor);
        schedule.SetCurrencySymbol(type == fee_type::DisplayOnly ? "\xA5" : "");
        for (const int fieldId : fields) {
            schedule.AddField(itemdb::ColumnSet::CodeOfField(fieldId));
        }
    };
    define(0, fee_type::Charge, "Handling and careful packing of fragile lots", "1.505", 0.0f, {});
    define(1, fee_type::TransactionFee, "PayPal Std", "0.30", 0.029f, {field::InvoiceAmt});
    define(2, fee_type::SellerFee, "Rebate", "0", -0.05f, {field::SHCharge, field::MaxBid});
    define(3, fee_type::DisplayOnly, "Yen Price", "0", 149.87654f, {field::MaxBid});
    schedule.SetDescription("The winning bid in yen,\r\nfor buyers in Japan");
    define(4, fee_type::DisplayOnly, "Discounted", "0.12345", -0.1234567f,
           {field::ShipCost, field::MaxBid, field::AmtReceived});
    define(5, fee_type::TransactionFee, "Old Card Service", "0.25", 0.0f, {});
    schedule.SetActive(false);
    define(6, fee_type::Charge, "Zero rated", "0", 0.0f, {});
    schedule.SetCurrent(0);
    return schedule;
}

class UntouchedRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        CAucDoc document;
        const std::int32_t seller = test_profile::Prepare(document);
        document.GetItemList().AddItem(AwkwardItem("4711", seller), folder::AuctionEnded);
        CAucItem inProgress = AwkwardItem("4712", seller);
        inProgress.SetStatus(folder::InProgress, true);
        document.GetItemList().AddItem(inProgress, folder::InProgress);
        test_profile::AddItems(document, seller, folder::AuctionEnded, 2);
        ASSERT_TRUE(document.OnSaveDocument(profile_));

        CFeeSchedule schedule = AwkwardSchedule();
        ASSERT_FALSE(schedule.Load(fees_));  // no file yet: stores the path only
        {
            // The list's order on Close becomes the display order once.
            CFeeSchdDlg list(runner_, schedule, kPaymentMethods);
            list.reject();
        }
        ASSERT_TRUE(schedule.Save());
    }

    // Runs `step` in the item sheet of every item of the profile and, with
    // `bulkToo`, shows every page of the bulk-update sheet over all of them
    // and presses OK; then saves the profile under another name: it must hold
    // the same bytes.
    void ExpectSheetsKeepTheProfile(const ScriptedModalRunner::Step& step, bool bulkToo) {
        const std::string before = Bytes(profile_);
        CAucDoc document;
        ASSERT_TRUE(document.OnOpenDocument(profile_));
        CFeeSchedule schedule;
        ASSERT_TRUE(schedule.Load(fees_));
        CItemList& items = document.GetItemList();
        items.SetFilter(itemdb::CItemFilter());
        std::vector<CItemList::ItemId> shown;
        for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
            shown.push_back(items.GetCurrentId());
        }
        ASSERT_EQ(shown.size(), 4u);
        for (const CItemList::ItemId& position : shown) {
            runner_.Then(step);
            EXPECT_EQ(EditDisplayedItem(runner_, nullptr, items, position, schedule,
                                        document.EditFolders()),
                      EditOutcome::Displayed);
        }
        if (bulkToo) {
            runner_.Then(test::ShowEveryPageThenOk());
            ASSERT_TRUE(BulkUpdate(runner_, nullptr, items, shown, schedule,
                                   {document.EditFolders(), {}, {}, false})
                            .has_value());
        }
        EXPECT_EQ(runner_.StepsLeft(), 0u);
        const std::filesystem::path after = folder_ / "After.pro";
        ASSERT_TRUE(document.OnSaveDocument(after));
        EXPECT_TRUE(Bytes(after) == before) << "the profile changed";
    }

    ScriptedModalRunner runner_{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    test::TempFolder folder_;
    std::filesystem::path profile_ = folder_ / "Awkward.pro";
    std::filesystem::path fees_ = folder_ / "AucField.fee";
};

TEST_F(UntouchedRoundTrip, BothSheetsOnEveryItemLeaveTheProfileAsItWas) {
    ExpectSheetsKeepTheProfile(test::ShowEveryPageThenOk(), true);
}

// Types the text a box shows over the whole of it again, a key at a time:
// every key is a live change of the Invoice Amt.
void Retype(QDialog& dialog, const char* box) {
    auto* combo = dialog.findChild<QComboBox*>(QString::fromLatin1(box));
    ASSERT_NE(combo, nullptr) << box;
    const QString shown = combo->currentText();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), shown);
    EXPECT_EQ(combo->currentText(), shown);
}

TEST_F(UntouchedRoundTrip, RetypingTheShownChargesLeavesTheProfileAsItWas) {
    ExpectSheetsKeepTheProfile(ScriptedModalRunner::Accept([](QDialog& dialog) {
                                   auto& sheet = dynamic_cast<CInvSheet&>(dialog);
                                   ASSERT_TRUE(sheet.SetActivePage(CInvSheet::InvoiceTab));
                                   Retype(dialog, "shCharge");
                                   ASSERT_TRUE(sheet.SetActivePage(CInvSheet::ChargesTab));
                                   Retype(dialog, "otherCharges");
                               }),
                               false);
}

// Edits every entry untouched through the fee-schedule list, closes the list
// and saves the schedule: the file must stay as it was.
void ExpectUntouchedFeeEditsKeep(const std::filesystem::path& path,
                                 const std::vector<std::string>& methods) {
    ScriptedModalRunner runner([](const std::string& failure) { ADD_FAILURE() << failure; });
    const std::string before = Bytes(path);
    CFeeSchedule schedule;
    ASSERT_TRUE(schedule.Load(path));
    test::QueueUntouchedFeeEdits(runner, schedule);
    EditFeeSchedule(runner, nullptr, schedule, methods);
    EXPECT_EQ(runner.StepsLeft(), 0u);
    EXPECT_TRUE(Bytes(path) == before) << "an untouched edit changed the file";
    ASSERT_TRUE(schedule.Save());
    EXPECT_TRUE(Bytes(path) == before) << "closing the list changed the schedule";
}

TEST_F(UntouchedRoundTrip, TheFeeEditorOnEveryEntryLeavesTheScheduleAsItWas) {
    ExpectUntouchedFeeEditsKeep(fees_, kPaymentMethods);
}

// The schedule the installation ships, with the payment methods it lists.
TEST_F(UntouchedRoundTrip, TheShippedScheduleComesThroughTheEditorUnchanged) {
    const std::string command = "'" + std::string(GB_BIN_DIR) + "/gbtool' make-data '" +
                                folder_.Path().string() + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ExpectUntouchedFeeEditsKeep(
        folder_ / "AucField.fee",
        {"Cash", "Check", "Money Order", "PayPal Std", "PayPal Std+", "PayPal-Int"});
}

}  // namespace
}  // namespace gb::app::ui
