// The user profile view in the main window: what was typed into it reaches
// the profile when the window closes, when the profile is left and before
// other work reloads it; questions about the form store nothing; its Help
// opens the help at the profile's place. The Save As dialog.

#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTreeView>

#include "FrameFixture.h"
#include "Screenshots.h"
#include "app/core/CommandIds.h"
#include "app/core/ProfileCommands.h"
#include "app/ui/LotkeeperProgram.h"
#include "app/ui/QtFileDialogService.h"
#include "app/ui/profile/CProView.h"
#include "itemdb/SellerList.h"
#include "platform/FileIo.h"
#include "widgets/QtText.h"
#include "widgets/ScriptedModalRunner.h"

namespace {

namespace cmd = gb::app::cmd;
using gb::app::ui::CProView;

class ProfileInWindowTest : public FrameFixture {
protected:
    void SetUp() override {
        test_profile::Prepare(document);
        ASSERT_TRUE(document.DoSave(path));
        OpenWindow();
        frame->ShowUserProfile();
        Settle();
        ASSERT_NE(Form(), nullptr);
    }

    CProView* Form() const { return dynamic_cast<CProView*>(frame->GetRightView()); }
    // What the profile holds for its seller ID.
    std::string StoredFolder() {
        gb::itemdb::CSellerList& sellers = document.GetSellerList();
        sellers.SetCurrent(0);
        return sellers.GetDisplayName();
    }
    // The profile as the file holds it.
    std::string SavedFolder() const {
        gb::itemdb::CAucDoc saved;
        EXPECT_TRUE(saved.OnOpenDocument(path));
        saved.GetSellerList().SetCurrent(0);
        return saved.GetSellerList().GetDisplayName();
    }

    const std::filesystem::path path = folder / "Demo.pro";
};

TEST_F(ProfileInWindowTest, QuestionsAboutTheFormStoreNothing) {
    Form()->StorageFolderEdit()->setText("Maple");
    EXPECT_TRUE(frame->RightViewIsForm());
    EXPECT_TRUE(frame->RightFormIsValid());
    EXPECT_NE(StoredFolder(), "Maple");
    EXPECT_FALSE(document.IsModified());

    Form()->ProfileNameEdit()->clear();
    EXPECT_FALSE(frame->RightFormIsValid());
    EXPECT_EQ(document.GetProfileName(), "Demo");
}

TEST_F(ProfileInWindowTest, ExitAndClosingTheWindowKeepWhatWasTyped) {
    for (const bool exitCommand : {true, false}) {
        Form()->StorageFolderEdit()->setText(exitCommand ? "Maple" : "Birch");
        Form()->TimeZoneBox()->setValue(exitCommand ? 3 : -2);
        if (exitCommand) {
            frame->ExecuteCommand(cmd::AppExit);
        } else {
            ASSERT_TRUE(frame->close());
        }
        EXPECT_FALSE(frame->isVisible()) << exitCommand;
        EXPECT_EQ(SavedFolder(), exitCommand ? "Maple" : "Birch");
        frame->show();
    }
}

TEST_F(ProfileInWindowTest, AnUntitledProfileAsksWithTheTypedEntriesInIt) {
    document.SetPathName({});
    document.SetModifiedFlag(false);
    Form()->StorageFolderEdit()->setText("Maple");
    services.messages.answers = {gb::app::MessageResult::Cancel};
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].rfind("Save changes to", 0), 0u);
    // Still on the form, as typed.
    EXPECT_EQ(Form()->StorageFolderEdit()->text(), "Maple");
    EXPECT_EQ(StoredFolder(), "Maple");
}

TEST_F(ProfileInWindowTest, WorkThatReloadsTheProfileFindsTheFormStored) {
    Form()->StorageFolderEdit()->setText("Maple");
    Form()->ActiveBox()->setChecked(false);
    // What the tree's New, Add Folder and Delete ask for first: their reload
    // of the views may replace the form.
    EXPECT_TRUE(frame->StoreRightForm());
    document.UpdateAllViews(nullptr, gb::itemdb::DocumentEvent::kHintNew);
    Settle();
    EXPECT_EQ(StoredFolder(), "Maple");
    EXPECT_EQ(document.GetSellerList().IsActive(), 0);
    // Nothing was saved: that is for leaving the view, or the end.
    EXPECT_NE(SavedFolder(), "Maple");

    if (Form() != nullptr) {
        frame->ExecuteCommand(cmd::UserProfile);
        Settle();
    }
    EXPECT_FALSE(frame->RightViewIsForm());
    EXPECT_FALSE(frame->StoreRightForm());
}

TEST_F(ProfileInWindowTest, CloseStoresAndSavesOnceOrSaysWhatIsMissing) {
    gb::app::ProfileCommands profiles(document, app, services.files, services.messages);
    frame->AddCommandTarget(&profiles.Commands());
    Form()->ProfileNameEdit()->clear();
    Form()->CloseButton()->click();
    Settle();
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].rfind("You must enter a profile name", 0), 0u);
    ASSERT_NE(Form(), nullptr);

    Form()->ProfileNameEdit()->setText("Walt");
    Form()->StorageFolderEdit()->setText("Maple");
    Form()->CloseButton()->click();
    Settle();
    EXPECT_EQ(Form(), nullptr);
    EXPECT_EQ(SavedFolder(), "Maple");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(services.messages.shown.size(), 1u);
}

TEST(ProfileInProgramTest, SaveAndNewDatabaseTakeWhatWasTyped) {
    const gb::test::TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    FakeServices services;
    const std::filesystem::path path = folder / "Demo.pro";
    {
        gb::itemdb::CAucDoc prepared;
        test_profile::Prepare(prepared);
        ASSERT_TRUE(prepared.OnSaveDocument(path));
    }
    gb::app::ui::LotkeeperProgram program(
        gb::app::CommandLine::Parse(std::vector<std::string>{path.string()}), user, folder.Path(),
        QStringLiteral("GavelbookForm-%1").arg(QString::fromStdString(folder.Path().filename())),
        services.Services());
    ASSERT_TRUE(program.InitInstance());
    const auto saved = [&path] {
        gb::itemdb::CAucDoc read;
        EXPECT_TRUE(read.OnOpenDocument(path));
        read.GetSellerList().SetCurrent(0);
        return read.GetSellerList().GetDisplayName();
    };
    gb::app::ui::CMainFrame& frame = *program.Frame();
    for (const int command : {cmd::FileSave, cmd::FileNew}) {
        frame.ShowUserProfile();
        auto* form = dynamic_cast<CProView*>(frame.GetRightView());
        ASSERT_NE(form, nullptr);
        const QString typed = command == cmd::FileSave ? "Maple" : "Birch";
        form->StorageFolderEdit()->setText(typed);
        EXPECT_TRUE(frame.ExecuteCommand(command)) << command;
        EXPECT_EQ(saved(), typed.toStdString()) << command;
    }
    EXPECT_EQ(program.Document().GetTitle(), "New Profile");
    EXPECT_TRUE(services.messages.shown.empty());
    program.ExitInstance(0);
}

TEST_F(ProfileInWindowTest, HelpOpensTheHelpAtTheProfilesPlaceOrSaysItCannot) {
    Form()->findChild<QPushButton*>(QStringLiteral("help"))->click();
    ASSERT_EQ(services.shell.links.size(), 1u);
    EXPECT_EQ(services.shell.links[0],
              "file://" + (folder / "Lotkeeper.html").string() + "#context-7");
    EXPECT_TRUE(services.messages.shown.empty());

    services.shell.succeeds = false;
    Form()->findChild<QPushButton*>(QStringLiteral("help"))->click();
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0],
              "The help file \"" + (folder / "Lotkeeper.html").string() +
                  "\" could not be opened: no web browser is set up on this computer to show "
                  "it. Set up a default web browser, or open the file in a browser yourself.");
}

// The Save As dialog opens in the proposed folder with the proposed name, and
// its list shows every column whole, dates included.
TEST(SaveAsDialog, ProposesTheNameInItsFolderAndShowsEveryColumnWhole) {
    const gb::test::TempFolder folder;
    gb::WriteFileAtomically(folder / "Earlier Sales.pro", "profile");
    gb::widgets::ScriptedModalRunner runner(
        [](const std::string& failure) { ADD_FAILURE() << failure; });
    runner.Then(gb::widgets::ScriptedModalRunner::Reject([&folder](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        EXPECT_EQ(gb::widgets::PathFromQt(files.directory().absolutePath()), folder.Path());
        auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "Corner Curios.pro");
        auto* details = files.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(details, nullptr);
        QTest::qWait(300);  // the folder is listed in the background
        EXPECT_LE(details->header()->length(), details->viewport()->width());
        const QModelIndex row = details->indexAt(QPoint(4, 4));
        ASSERT_TRUE(row.isValid());
        for (int column = 1; column < details->header()->count(); ++column) {
            const QString text = row.siblingAtColumn(column).data().toString();
            EXPECT_LE(details->fontMetrics().horizontalAdvance(text), details->columnWidth(column))
                << text.toStdString();
        }
        if (!gb::test::ScreenshotFolder().isEmpty()) {
            gb::test::SaveScreenshot(dialog, QStringLiteral("save-as-dialog.png"));
        }
    }));
    gb::app::ui::QtFileDialogService service(runner);
    EXPECT_FALSE(service.AskSaveFile("Save As", "Profiles (*.pro)", folder / "Corner Curios.pro"));
    EXPECT_EQ(runner.StepsLeft(), 0u);
}

}  // namespace
