// The user profile view on real widgets with the build's site library
// registered: seller IDs added from the installed sites, typed fields kept,
// removal, leaving the form, and a profile edited here saved and read back
// by `gbtool dump-profile`.

#include <QtCore/QProcess>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include "SiteObjects.h"
#include "app/dialogs/profile/CSellerIdDlg.h"
#include "app/ui/profile/CProView.h"
#include "itemdb/AucDoc.h"
#include "tests/support/TempFolder.h"
#include "widgets/ScriptedModalRunner.h"

using gb::app::ui::CProView;
using gb::app::ui::CSellerIdDlg;
using gb::widgets::ScriptedModalRunner;

namespace {

// Fills "Add New Seller ID" and presses OK.
ScriptedModalRunner::Step AddSeller(QString site, QString sellerId, QString password,
                                    bool fast = true) {
    return ScriptedModalRunner::Accept([=](QDialog& dialog) {
        auto& seller = dynamic_cast<CSellerIdDlg&>(dialog);
        seller.SiteBox()->setCurrentIndex(seller.SiteBox()->findText(site));
        seller.SellerIdEdit()->setText(sellerId);
        seller.PasswordEdit()->setText(password);
        seller.FastRetrievalBox()->setChecked(fast);
    });
}

class ProfileViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gb::test::RegisterSiteObjects(); }
    void SetUp() override {
        document.OnNewDocument();
        view = std::make_unique<CProView>(
            document, gb::app::ui::ProViewHooks{&runner, [this] { ++closed; },
                                                [this](int context) { help.push_back(context); },
                                                [this](int kind) { toolbar = kind; }});
        view->OnInitialUpdate();
    }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < view->SellerList()->topLevelItemCount(); ++i) {
            rows << view->SellerList()->topLevelItem(i)->text(0) + " " +
                        view->SellerList()->topLevelItem(i)->text(1);
        }
        return rows;
    }

    gb::test::TempFolder folder;
    const std::filesystem::path path = folder / "Walt.pro";
    gb::itemdb::CAucDoc document;
    ScriptedModalRunner runner{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    std::unique_ptr<CProView> view;
    int closed = 0;
    std::vector<int> help;
    int toolbar = 0;
};

TEST_F(ProfileViewTest, TheSiteListComesFromTheInstalledSites) {
    QStringList sites;
    runner.Then(ScriptedModalRunner::Reject([&sites](QDialog& dialog) {
        const QComboBox* box = dynamic_cast<CSellerIdDlg&>(dialog).SiteBox();
        for (int i = 0; i < box->count(); ++i) {
            sites << box->itemText(i);
        }
        EXPECT_EQ(box->currentIndex(), -1);
        EXPECT_TRUE(dynamic_cast<CSellerIdDlg&>(dialog).FastRetrievalBox()->isChecked());
    }));
    view->OnAddSeller();
    EXPECT_EQ(sites.size(), 9);
    EXPECT_TRUE(sites.contains("eBay USA"));
    EXPECT_TRUE(sites.contains("eBay Austria"));
    EXPECT_EQ(toolbar, 109);
}

TEST_F(ProfileViewTest, ASellerNeedsASiteAndAnId) {
    CSellerIdDlg dialog({"eBay USA"}, runner);
    dialog.SellerIdEdit()->setText("walt");
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(runner.Ran().size(), 1u);
    EXPECT_EQ(runner.Ran()[0].text, "You must select both a Seller ID and an Auction Site.");
}

TEST_F(ProfileViewTest, AddingASellerKeepsWhatWasTyped) {
    runner.Then(AddSeller("eBay USA", "walt", "pw"));
    view->OnAddSeller();
    view->StorageFolderEdit()->setText("Walt's shop");
    view->TimeZoneBox()->setValue(-5);
    view->ActiveBox()->setChecked(false);
    runner.Then(AddSeller("eBay UK", "walt", ""));
    view->OnAddSeller();
    EXPECT_EQ(Rows(), (QStringList{"walt eBay USA", "walt eBay UK"}));
    EXPECT_EQ(view->SellerList()->currentItem(), view->SellerList()->topLevelItem(1));
    EXPECT_EQ(view->StorageFolderEdit()->text(), "walt - UK");
    view->SellerList()->setCurrentItem(view->SellerList()->topLevelItem(0));
    EXPECT_EQ(view->StorageFolderEdit()->text(), "Walt's shop");
    EXPECT_EQ(view->TimeZoneBox()->value(), -5);
    EXPECT_FALSE(view->ActiveBox()->isChecked());
}

TEST_F(ProfileViewTest, RemovingAsksAndEmptiesTheForm) {
    runner.Then(AddSeller("eBay USA", "walt", "pw"));
    view->OnAddSeller();
    runner.Then(ScriptedModalRunner::Press(QMessageBox::No));
    view->OnDeleteSeller();
    EXPECT_EQ(Rows().size(), 1);
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    view->OnDeleteSeller();
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(view->StorageFolderEdit()->text(), "");
    EXPECT_EQ(view->TimeZoneBox()->value(), 0);
    EXPECT_EQ(runner.Ran()[1].text, "Delete this Seller?");
    view->ProfileNameEdit()->setText("Walt");
    EXPECT_FALSE(view->EntriesValid());
}

TEST_F(ProfileViewTest, AProfileEditedHereIsSavedAndReadBack) {
    view->ProfileNameEdit()->setText("Walt");
    runner.Then(AddSeller("eBay Canada", "walt", "secret", false));
    view->OnAddSeller();
    view->StorageFolderEdit()->setText("Maple");
    EXPECT_TRUE(view->EntriesValid());
    // Asking changed nothing: the typed folder is not yet the seller's.
    EXPECT_NE(document.GetSellerList().GetDisplayName(), "Maple");
    ASSERT_TRUE(view->StoreEntries());
    ASSERT_TRUE(document.DoSave(path));

    QProcess dump;
    dump.start(QString(GB_BIN_DIR) + "/gbtool",
               {"dump-profile", QString::fromStdString(path.string())});
    ASSERT_TRUE(dump.waitForFinished(20000));
    ASSERT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(dump.readAllStandardOutput());
    EXPECT_TRUE(out.contains("profile\tWalt\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("sellers\t1\n"));
    EXPECT_TRUE(out.contains("  walt\teBay Canada\t{")) << out.toStdString();
    EXPECT_TRUE(out.contains(" Maple\t")) << out.toStdString();
    EXPECT_TRUE(out.contains("\tpassword set"));
    // The seller's folder was made before the save.
    EXPECT_TRUE(out.contains(" Maple\tkind 127 type 101 heading")) << out.toStdString();

    // Nothing changed since: there is nothing to save.
    EXPECT_FALSE(view->StoreEntries());
}

TEST_F(ProfileViewTest, HelpAndF1OpenTheHelpAtTheProfilesPlace) {
    view->findChild<QPushButton*>(QStringLiteral("help"))->click();
    EXPECT_TRUE(view->Commands().ExecuteCommand(57670));
    EXPECT_EQ(help, (std::vector<int>{7, 7}));
}

}  // namespace
