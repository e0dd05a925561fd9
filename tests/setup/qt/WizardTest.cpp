#include "setup/wizard/CWizardSheet.h"

#include <gtest/gtest.h>

#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <cstdlib>

#include "ScratchHome.h"
#include "platform/FileIo.h"
#include "setup/wizard/CPageError.h"
#include "setup/wizard/CPageFolder.h"
#include "setup/wizard/CPageLast.h"
#include "setup/wizard/CPageRead.h"

namespace gb::setup::ui {
namespace {

namespace fs = std::filesystem;

QApplication& App() {
    static int argc = 1;
    static char name[] = "setup_wizard_tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

// A medium with a readme and no files to install.
const InstallPlan& EmptyPlan() {
    static const InstallPlan plan{{}, {}, {}, "Remove.exe"};
    return plan;
}

class WizardTest : public ::testing::Test {
protected:
    WizardTest() {
        App();
        fs::create_directories(medium_);
        WriteFileAtomically(medium_ / "Readme.txt", "Welcome to the medium.");
    }
    std::unique_ptr<CWizardSheet> MakeSheet(std::string browserLibrary = "libc.so.6") {
        CInstaller installer(medium_, UserFolders::FromEnvironment(), EmptyPlan(),
                             [](const std::vector<std::string>&) { return true; });
        installer.SetBrowserLibrary(std::move(browserLibrary));
        auto sheet = std::make_unique<CWizardSheet>(
            std::move(installer), [this](QWidget*, const QString&) { return chosen_; });
        sheet->show();
        return sheet;
    }

    test::ScratchHome home_;
    fs::path medium_ = home_.Root() / "medium";
    std::optional<fs::path> chosen_;
};

TEST_F(WizardTest, WalksToTheFolderPageAndInstallsOnceOnFinish) {
    auto sheet = MakeSheet();
    EXPECT_EQ(sheet->windowTitle(), "Gavelbook Installation (1 of 4)");
    sheet->next();
    ASSERT_EQ(sheet->currentId(), CWizardSheet::ReadPage);
    EXPECT_EQ(static_cast<CPageRead*>(sheet->currentPage())->Text(), "Welcome to the medium.");
    sheet->next();
    ASSERT_EQ(sheet->currentId(), CWizardSheet::FolderPage);
    EXPECT_EQ(sheet->windowTitle(), "Gavelbook Installation (3 of 4)");
    auto* folder = sheet->currentPage()->findChild<QLineEdit*>(QStringLiteral("folder"));
    EXPECT_EQ(folder->text().toStdString(), (home_.Home() / ".local/opt/Lotkeeper").string());

    // Cancelling the browser changes nothing; a choice gets "Lotkeeper" appended.
    auto* change = sheet->currentPage()->findChild<QPushButton*>(QStringLiteral("change"));
    change->click();
    EXPECT_EQ(folder->text().toStdString(), (home_.Home() / ".local/opt/Lotkeeper").string());
    chosen_ = home_.Root() / "Programs";
    change->click();
    EXPECT_EQ(folder->text().toStdString(), (home_.Root() / "Programs" / "Lotkeeper").string());
    chosen_ = "/";
    change->click();
    EXPECT_EQ(folder->text(), "/Lotkeeper");
    if (const char* shot = std::getenv("GB_SCREENSHOT"); shot != nullptr) {
        folder->setText(QStringLiteral("/home/seller/.local/opt/Lotkeeper"));
        sheet->grab().save(QString::fromLocal8Bit(shot));
    }
    folder->setText(QString::fromStdString((home_.Root() / "Programs" / "Lotkeeper").string()));

    sheet->next();
    auto* last = static_cast<CPageLast*>(sheet->currentPage());
    sheet->button(QWizard::FinishButton)->click();
    EXPECT_TRUE(last->Done());
    EXPECT_EQ(last->Title(), "Installation Successful!");
    EXPECT_EQ(sheet->buttonText(QWizard::FinishButton), "Close");
    EXPECT_FALSE(sheet->button(QWizard::CancelButton)->isEnabled());
    EXPECT_TRUE(fs::exists(home_.Root() / "Programs" / "Lotkeeper"));
    sheet->button(QWizard::FinishButton)->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
}

TEST_F(WizardTest, FailedInstallationShowsTheSetupLog) {
    auto sheet = MakeSheet();
    sheet->next();
    sheet->next();
    WriteFileAtomically(home_.Root() / "file", "");
    sheet->currentPage()
        ->findChild<QLineEdit*>(QStringLiteral("folder"))
        ->setText(QString::fromStdString((home_.Root() / "file" / "x").string()));
    sheet->next();
    sheet->button(QWizard::FinishButton)->click();
    auto* last = static_cast<CPageLast*>(sheet->currentPage());
    EXPECT_EQ(last->Title(), "Oops! There is a problem...");
    EXPECT_TRUE(last->Text().contains("Gavelbook Setup Log:"));
    EXPECT_TRUE(last->Text().contains("Cannot create directory"));
}

TEST_F(WizardTest, MissingReadmeKeepsTheWizardOnItsPage) {
    fs::remove(medium_ / "Readme.txt");
    auto sheet = MakeSheet();
    sheet->next();
    EXPECT_TRUE(static_cast<CPageRead*>(sheet->currentPage())->Text().startsWith("NOTICE:"));
    EXPECT_FALSE(sheet->button(QWizard::NextButton)->isEnabled());
}

TEST_F(WizardTest, EarlierInstallationIsWarnedAbout) {
    Settings::CurrentUser().SetString(kUninstallKey, "UninstallString", "/opt/old/Remove");
    auto sheet = MakeSheet();
    sheet->next();
    EXPECT_TRUE(static_cast<CPageRead*>(sheet->currentPage())
                    ->Text()
                    .startsWith("*** WARNING! WARNING!***"));
}

TEST_F(WizardTest, MissingWebEngineLeadsToTheErrorPage) {
    auto sheet = MakeSheet("libno-such-web-engine.so");
    sheet->next();
    sheet->next();
    ASSERT_EQ(sheet->currentId(), CWizardSheet::ErrorPage);
    EXPECT_EQ(sheet->windowTitle(), "Gavelbook Installation");
    EXPECT_FALSE(sheet->button(QWizard::FinishButton)->isEnabled());
}

}  // namespace
}  // namespace gb::setup::ui
