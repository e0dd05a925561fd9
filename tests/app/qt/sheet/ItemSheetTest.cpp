// The item sheet on its real widgets, run through the scripted modal runner:
// validation keeps the page, Cancel leaves the item, the check-box lists and
// the category tree change the copy, and an edited item reaches the profile
// file.

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>
#include <stdio.h>

#include <memory>
#include <string>

#include "app/core/MachineProfile.h"
#include "app/core/UiStrings.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "app/dialogs/sheet/EditItem.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FieldId.h"
#include "platform/Settings.h"
#include "qt/TestProfile.h"
#include "tests/support/SettingsTestFolder.h"
#include "tests/support/TempFolder.h"
#include "widgets/PropertyPage.h"
#include "widgets/ScriptedModalRunner.h"

using gb::test::TempFolder;

namespace gb::app::ui {
namespace {

using itemdb::CAucItem;
using itemdb::CFeeSchedule;
using itemdb::CFolderTree;
using widgets::ScriptedModalRunner;
namespace field = itemdb::field;
namespace folder = itemdb::folder;

CInvSheet& SheetOf(QDialog& dialog) {
    return dynamic_cast<CInvSheet&>(dialog);
}

template <typename Widget>
Widget& Find(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        throw std::runtime_error(std::string("no widget ") + name);
    }
    return *widget;
}

void ClickOk(QDialog& dialog) {
    Find<QDialogButtonBox>(dialog, "buttons").button(QDialogButtonBox::Ok)->click();
}

std::string Text(const CAucItem& item, int fieldId) {
    std::string text;
    item.GetFieldText(fieldId, text);
    return text;
}

class ItemSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        item.SetAuctionId("4711");
        item.SetDescription("Brass lamp");
        ASSERT_TRUE(item.SetMaxBid("20"));
        fees.SetCurrent(2);
        fees.SetName("Handling");
        fees.SetType(itemdb::fee_type::Charge);
        fees.SetActive(true);
        fees.SetBaseText("1.50");
        ASSERT_TRUE(item.AddItemizedCharge(2));
        ASSERT_TRUE(item.SetOtherCharges("1.50"));
        folders.AddNode(folder::ByCategory, folder::Root, folder::Root, folder::ByCategory);
        folders.SetCurHeading(1);
        toys = folders.AddNode(folder::ByCategory, folder::ByCategory, folder::ByCategory);
        folders.SetCurName("Toys");
    }

    bool Edit(CAucItem& edited) { return EditItem(runner, nullptr, edited, fees, folders); }

    ScriptedModalRunner runner{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    CAucItem item;
    CFeeSchedule fees;
    CFolderTree folders;
    std::int32_t toys = 0;
};

TEST_F(ItemSheetTest, AnInvalidMinBidKeepsThePageAndCancelLeavesTheItem) {
    runner
        .Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
            CInvSheet& sheet = SheetOf(dialog);
            Find<QLineEdit>(dialog, "minBid").setText("abc");
            Find<QPlainTextEdit>(dialog, "description").setPlainText("Changed");
            EXPECT_FALSE(sheet.SetActivePage(CInvSheet::InvoiceTab));
            EXPECT_EQ(sheet.ActiveIndex(), CInvSheet::ItemTab);
            ClickOk(dialog);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(sheet.ActiveIndex(), CInvSheet::ItemTab);
            EXPECT_EQ(sheet.Item().GetDescription(), "Changed");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    const CAucItem before = item;
    EXPECT_FALSE(Edit(item));
    EXPECT_EQ(item, before);
    ASSERT_EQ(runner.Ran().size(), 3u);
    EXPECT_EQ(runner.Ran()[0].title, "Edit Inventory Item");
    EXPECT_EQ(runner.Ran()[1].text, "Invalid Min Bid");
    EXPECT_EQ(runner.Ran()[2].text, "Invalid Min Bid");
}

TEST_F(ItemSheetTest, ShowsTheTitleAndKeepsLongValuesAndAddressLinesWhole) {
    ASSERT_TRUE(item.SetReserveAmt("123456.78"));
    item.SetShippingAddress("Ann Lee\r\n1 Main St\rSpringfield");
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        CInvSheet& sheet = SheetOf(dialog);
        EXPECT_EQ(dialog.findChild<QLabel*>("header")->text(), "Brass lamp [4711]");
        QComboBox& reserve = Find<QComboBox>(dialog, "reserveAmt");
        EXPECT_EQ(reserve.currentText(), "$123,456.78");
        reserve.lineEdit()->end(false);
        QTest::keyClicks(reserve.lineEdit(), "9");
        EXPECT_EQ(reserve.currentText(), "$123,456.78");  // no typing past the limit
        QLineEdit& minBid = Find<QLineEdit>(dialog, "minBid");
        const QString shown = minBid.text();
        minBid.clear();
        QTest::keyClicks(&minBid, "123456789012345678901234");
        EXPECT_EQ(minBid.text().size(), 20);
        minBid.setText(shown);
        EXPECT_TRUE(sheet.SetActivePage(CInvSheet::ShippingTab));
    }));
    const CAucItem before = item;
    ASSERT_TRUE(Edit(item));
    EXPECT_EQ(item, before);
}

// The sheet keeps one size from page to page.
TEST_F(ItemSheetTest, TheSheetKeepsItsSizeFromPageToPage) {
    runner.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        CInvSheet& sheet = SheetOf(dialog);
        QApplication::processEvents();
        const QSize first = dialog.size();
        for (int page = 0; page < sheet.PageCount(); ++page) {
            ASSERT_TRUE(sheet.SetActivePage(page));
            QApplication::processEvents();
            const QSize hint = sheet.Page(page)->sizeHint();
            EXPECT_EQ(dialog.size(), first)
                << "page " << page << " wants " << hint.width() << "x" << hint.height();
        }
    }));
    EXPECT_FALSE(Edit(item));
}

TEST_F(ItemSheetTest, ALongDescriptionIsKeptButCannotGrow) {
    item.SetDescription(std::string(130, 'd'));
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& description = Find<QPlainTextEdit>(dialog, "description");
        EXPECT_EQ(description.toPlainText().size(), 130);
        description.moveCursor(QTextCursor::End);
        QTest::keyClicks(&description, "x");
        EXPECT_EQ(description.toPlainText().size(), 130);
        QTest::keyClick(&description, Qt::Key_Backspace);
        EXPECT_EQ(description.toPlainText().size(), 129);
    }));
    ASSERT_TRUE(Edit(item));
    EXPECT_EQ(item.GetDescription(), std::string(129, 'd'));
}

TEST_F(ItemSheetTest, TheInvoiceAmountFollowsTheSHChargeAsItIsTyped) {
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        ASSERT_TRUE(SheetOf(dialog).SetActivePage(CInvSheet::InvoiceTab));
        EXPECT_EQ(Find<QLineEdit>(dialog, "invoiceAmt").text(), "$21.50");
        QComboBox& shCharge = Find<QComboBox>(dialog, "shCharge");
        shCharge.lineEdit()->clear();
        QTest::keyClicks(shCharge.lineEdit(), "4");
        EXPECT_EQ(Find<QLineEdit>(dialog, "invoiceAmt").text(), "$25.50");
        QTest::keyClicks(shCharge.lineEdit(), "x");
        EXPECT_EQ(Find<QLineEdit>(dialog, "invoiceAmt").text(), "$25.50");
        shCharge.setEditText("4");
    }));
    ASSERT_TRUE(Edit(item));
    EXPECT_EQ(Text(item, field::SHCharge), "$4.00");
    EXPECT_EQ(Text(item, field::InvoiceAmt), "$25.50");
}

TEST_F(ItemSheetTest, UncheckingEveryChargeGivesZero) {
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        ASSERT_TRUE(SheetOf(dialog).SetActivePage(CInvSheet::ChargesTab));
        auto& charges = Find<QTreeWidget>(dialog, "charges");
        ASSERT_EQ(charges.topLevelItemCount(), 1);
        EXPECT_EQ(Find<QLabel>(dialog, "selected").text(), "Selected: 1");
        charges.topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        EXPECT_EQ(Find<QComboBox>(dialog, "otherCharges").currentText(), "$0.00");
        EXPECT_EQ(Find<QLineEdit>(dialog, "invoiceAmt").text(), "$20.00");
        EXPECT_EQ(Find<QLabel>(dialog, "selected").text(), "Selected: 0");
    }));
    ASSERT_TRUE(Edit(item));
    EXPECT_EQ(Text(item, field::OtherCharges), "$0.00");
    EXPECT_FALSE(item.HasItemizedCharge(2));
}

TEST_F(ItemSheetTest, ATwentyFirstCategoryIsRefused) {
    for (std::int32_t id = 300; id < 320; ++id) {
        ASSERT_TRUE(item.AddCategory(id));
    }
    runner
        .Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
            ASSERT_TRUE(SheetOf(dialog).SetActivePage(CInvSheet::CategoriesTab));
            auto& tree = Find<QTreeWidget>(dialog, "categories");
            QTreeWidgetItem* toysNode = tree.topLevelItem(0)->child(0);
            ASSERT_NE(toysNode, nullptr);
            tree.setCurrentItem(toysNode);
            Q_EMIT tree.itemDoubleClicked(toysNode, 0);
            EXPECT_EQ(Find<QLineEdit>(dialog, "selectedCount").text(), "0");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ASSERT_TRUE(Edit(item));
    EXPECT_FALSE(item.HasCategory(toys));
    ASSERT_EQ(runner.Ran().size(), 2u);
    EXPECT_EQ(runner.Ran()[1].text.toStdString(), gb::app::UiText(59422));
}

TEST_F(ItemSheetTest, ADoubleClickAddsACategory) {
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        ASSERT_TRUE(SheetOf(dialog).SetActivePage(CInvSheet::CategoriesTab));
        auto& tree = Find<QTreeWidget>(dialog, "categories");
        QTreeWidgetItem* toysNode = tree.topLevelItem(0)->child(0);
        tree.setCurrentItem(toysNode);
        Q_EMIT tree.itemDoubleClicked(toysNode, 0);
        EXPECT_EQ(Find<QLineEdit>(dialog, "selectedCount").text(), "1");
    }));
    ASSERT_TRUE(Edit(item));
    EXPECT_TRUE(item.HasCategory(toys));
}

TEST_F(ItemSheetTest, EnterInTheDescriptionEndsTheSheetWithOk) {
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& description = Find<QPlainTextEdit>(dialog, "description");
        description.setFocus();
        description.moveCursor(QTextCursor::End);
        QTest::keyClicks(&description, " etc");
        QTest::keyClick(&description, Qt::Key_Return);
        EXPECT_EQ(description.toPlainText(), "Brass lamp etc");
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }));
    ASSERT_TRUE(Edit(item));
    EXPECT_EQ(item.GetDescription(), "Brass lamp etc");
}

class ItemSheetLists : public test::SettingsTestFolder {};

// The Payment page's "Edit:" opens the drop-down list dialog; the method list
// then shows the lists as edited.
TEST_F(ItemSheetLists, TheEditButtonOpensTheListDialogAndTheMethodsFollowIt) {
    MachineProfile profile(gb::Settings::LocalMachine());
    ASSERT_TRUE(profile.WriteString("Combos", "Payment Method", "Cash;Check;"));
    ScriptedModalRunner runner([](const std::string& failure) { ADD_FAILURE() << failure; });
    ItemSheetServices services;
    services.dropDownValues = [](int fieldId) {
        return MachineProfile(gb::Settings::LocalMachine()).GetComboValues(fieldId);
    };
    services.editDropDownLists = EditStoredDropDownLists(runner);
    ScriptedModalRunner::Step lists = ScriptedModalRunner::Reject([&profile](QDialog&) {
        ASSERT_TRUE(profile.WriteString("Combos", "Payment Method", "Cash;Check;Wire;"));
    });
    lists.className = "gb::app::ui::CComboListDlg";
    runner
        .Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
            ASSERT_TRUE(SheetOf(dialog).SetActivePage(CInvSheet::PaymentTab));
            auto& edit = Find<QPushButton>(dialog, "editLists");
            ASSERT_TRUE(edit.isEnabled());
            edit.click();
            auto& methods = Find<QComboBox>(dialog, "paymentMethod");
            methods.showPopup();
            methods.hidePopup();
            ASSERT_EQ(methods.count(), 3);
            EXPECT_EQ(methods.itemText(2), "Wire");
        }))
        .Then(lists);
    CAucItem item;
    CFeeSchedule fees;
    CFolderTree folders;
    EXPECT_FALSE(EditItem(runner, nullptr, item, fees, folders, services));
    EXPECT_EQ(runner.StepsLeft(), 0u);
}

std::string OutputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, read);
        }
        pclose(pipe);
    }
    return output;
}

TEST(ItemSheetProfile, AnEditedItemIsStoredInTheProfileFile) {
    ScriptedModalRunner runner([](const std::string& failure) { ADD_FAILURE() << failure; });
    itemdb::CAucDoc document;
    const std::int32_t seller = test_profile::Prepare(document);
    test_profile::AddItems(document, seller, folder::AuctionEnded, 3);
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(test_profile::AllItemsFolder(document, seller, 103)));
    itemdb::CItemList& items = document.GetItemList();
    items.SetFilter(*tree.GetCurFilter());
    ASSERT_TRUE(items.MoveFirst());
    const itemdb::CItemList::ItemId first = items.GetCurrentId();
    const std::string auctionId(items.GetItemAt(first)->GetAuctionId());

    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        Find<QPlainTextEdit>(dialog, "description").setPlainText("Edited brass lamp");
        ASSERT_TRUE(SheetOf(dialog).SetActivePage(CInvSheet::InvoiceTab));
        Find<QLineEdit>(dialog, "maxBid").setText("77.25");
    }));
    const CFeeSchedule fees;
    EXPECT_EQ(EditDisplayedItem(runner, nullptr, items, first, fees, document.EditFolders()),
              EditOutcome::Displayed);

    const TempFolder folder;
    const std::filesystem::path path = folder / "Edited.pro";
    ASSERT_TRUE(document.OnSaveDocument(path));
    itemdb::CAucDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    itemdb::CItemList::ListPos found;
    ASSERT_TRUE(reopened.GetItemList().FindItem("eBay USA", auctionId, &found));
    EXPECT_EQ(reopened.GetItemList().GetItem(found)->GetDescription(), "Edited brass lamp");

    const std::string dump =
        OutputOf("'" + std::string(GB_BIN_DIR) + "/gbtool' dump-profile '" + path.string() + "'");
    const std::size_t line = dump.find("\t" + auctionId + "\tEdited brass lamp\t");
    ASSERT_NE(line, std::string::npos) << dump;
    EXPECT_NE(dump.find("$77.25", line), std::string::npos);
}

// Pictures of the Item and Charges pages for the documentation: written only
// when GB_SCREENSHOT_DIR names a folder.
TEST(ItemSheetScreens, PicturesOfTheItemAndChargesPages) {
    const QString folder = qEnvironmentVariable("GB_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR is not set";
    }
    CAucItem item;
    item.SetAuctionId("3051826714");
    item.SetSellerId("cornercurios");
    item.SetDescription("Victorian brass oil lamp with etched glass shade, working order");
    item.SetMinBid("24.99");
    item.SetItemCost("8");
    item.SetReserveAmt("40");
    item.SetMaxBid("56.50");
    item.SetSHCharge("9.75");
    item.SetFeedback("Positive");
    item.SetItemNote("From the estate sale in March");
    item.SetAuctionType("Auction");
    item.SetChargeNote("Boxed with extra padding");
    CFeeSchedule fees;
    const std::tuple<int, const char*, const char*> charges[] = {
        {1, "Handling", "1.50"}, {2, "Insurance", "2.25"}, {3, "Sales tax", "3.96"}};
    for (const auto& [entry, name, base] : charges) {
        fees.SetCurrent(entry);
        fees.SetName(name);
        fees.SetType(itemdb::fee_type::Charge);
        fees.SetActive(true);
        fees.SetBaseText(base);
    }
    item.AddItemizedCharge(1);
    item.AddItemizedCharge(2);
    item.SetOtherCharges("3.75");
    CFolderTree folders;

    ScriptedModalRunner runner([](const std::string& failure) { ADD_FAILURE() << failure; });
    runner.Then(ScriptedModalRunner::Reject([&folder](QDialog& dialog) {
        const std::pair<int, const char*> pages[] = {
            {CInvSheet::ItemTab, "item-sheet-item.png"},
            {CInvSheet::ChargesTab, "item-sheet-charges.png"}};
        for (const auto& [tab, file] : pages) {
            ASSERT_TRUE(SheetOf(dialog).SetActivePage(tab));
            QTest::qWait(50);
            EXPECT_TRUE(dialog.grab().save(folder + "/" + QString::fromLatin1(file)));
        }
    }));
    EditItem(runner, nullptr, item, fees, folders);
}

}  // namespace
}  // namespace gb::app::ui
