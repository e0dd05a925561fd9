#include "setup/wizard/CWizardSheet.h"

#include <gtest/gtest.h>

#include <QtCore/QElapsedTimer>
#include <QtGui/QFontInfo>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <cstdlib>
#include <future>

#include "RunningProgram.h"
#include "ScratchHome.h"
#include "platform/FileIo.h"
#include "setup/wizard/CPageError.h"
#include "setup/wizard/CPageFolder.h"
#include "setup/wizard/CPageLast.h"
#include "setup/wizard/CPageRead.h"
#include "widgets/HelpService.h"
#include "widgets/ScriptedModalRunner.h"

namespace gb::setup::ui {
namespace {

namespace fs = std::filesystem;

// A medium with a readme and no files to install; the installation makes a
// shortcut to the readme.
const InstallPlan& ReadmePlan() {
    static const InstallPlan plan{
        {},
        {},
        {{Shortcut::Kind::Document, "Readme.txt", "Read me", "gavelbook-readme.desktop", "",
          false}},
        "Remove.exe",
        "",
    };
    return plan;
}

class RecordingBrowser : public widgets::HelpOpener {
public:
    bool Open(const QUrl& address) override {
        opened.push_back(address);
        return opens;
    }
    std::vector<QUrl> opened;
    bool opens = true;
};

using widgets::ScriptedModalRunner;

// Processes events until `done` holds; false after a minute.
template <typename Done>
bool WaitFor(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 60000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

class WizardTest : public ::testing::Test {
protected:
    WizardTest() {
        fs::create_directories(medium_);
        WriteFileAtomically(medium_ / "Readme.txt", "Welcome to the medium.");
    }
    std::unique_ptr<CWizardSheet> MakeSheet(std::string browserLibrary = "libc.so.6") {
        CInstaller installer(medium_, UserFolders::FromEnvironment(), ReadmePlan(),
                             [this](const std::vector<std::string>&) { return runner_(); });
        installer.SetBrowserLibrary(std::move(browserLibrary));
        auto sheet =
            std::make_unique<CWizardSheet>(std::move(installer), browser_, modals_,
                                           [this](QWidget*, const QString&) { return chosen_; });
        sheet->show();
        return sheet;
    }
    QLineEdit* FolderEdit(CWizardSheet& sheet) {
        return sheet.page(CWizardSheet::FolderPage)
            ->findChild<QLineEdit*>(QStringLiteral("folder"));
    }
    // Walks to the folder page.
    void ToFolderPage(CWizardSheet& sheet) {
        sheet.next();
        sheet.next();
        ASSERT_EQ(sheet.currentId(), CWizardSheet::FolderPage);
    }
    // Installs from the last page and waits for the result.
    CPageLast& Install(CWizardSheet& sheet) {
        auto& last = static_cast<CPageLast&>(*sheet.page(CWizardSheet::LastPage));
        sheet.button(QWizard::FinishButton)->click();
        EXPECT_TRUE(WaitFor([&] { return last.Done(); }));
        return last;
    }

    test::ScratchHome home_;
    fs::path medium_ = home_.Root() / "medium";
    std::optional<fs::path> chosen_;
    RecordingBrowser browser_;
    ScriptedModalRunner modals_{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    std::function<bool()> runner_ = [] { return true; };
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
    QLineEdit* folder = FolderEdit(*sheet);
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
    folder->setText(QString::fromStdString((home_.Root() / "Programs" / "Lotkeeper").string()));

    // The last page offers Back and Finish.
    sheet->next();
    ASSERT_EQ(sheet->currentId(), CWizardSheet::LastPage);
    EXPECT_TRUE(sheet->button(QWizard::BackButton)->isVisible());
    EXPECT_TRUE(sheet->button(QWizard::BackButton)->isEnabled());
    EXPECT_TRUE(sheet->button(QWizard::FinishButton)->isEnabled());

    CPageLast& last = Install(*sheet);
    EXPECT_EQ(last.Title(), "Installation Successful!");
    EXPECT_TRUE(last.Text().contains("icon on your desktop")) << last.Text().toStdString();
    EXPECT_EQ(sheet->buttonText(QWizard::FinishButton), "Close");
    EXPECT_FALSE(sheet->button(QWizard::CancelButton)->isEnabled());
    EXPECT_FALSE(sheet->button(QWizard::BackButton)->isEnabled());
    EXPECT_TRUE(sheet->button(QWizard::FinishButton)->isEnabled());
    EXPECT_TRUE(fs::exists(home_.Root() / "Programs" / "Lotkeeper" / "Installed.lst"));
    sheet->button(QWizard::FinishButton)->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
}

// The installation runs on its own thread: the page shows the log as it is
// written and nothing can be pressed until it ends.
TEST_F(WizardTest, InstallsOffTheWindowsThreadWithTheButtonsOff) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    runner_ = [released] {
        released.wait();
        return true;
    };
    auto sheet = MakeSheet();
    ToFolderPage(*sheet);
    sheet->next();
    auto& last = static_cast<CPageLast&>(*sheet->currentPage());
    sheet->button(QWizard::FinishButton)->click();
    // The desktop tools run after the shortcuts: the log has come that far.
    ASSERT_TRUE(WaitFor([&] { return last.Text().contains("Creating Shortcut... "); }))
        << last.Text().toStdString();
    EXPECT_TRUE(last.Installing());
    EXPECT_EQ(last.Title(), "Please Wait...");
    EXPECT_TRUE(last.Text().startsWith("Copying files... Please be patient."));
    EXPECT_TRUE(last.Text().contains("Decompressing primary files..."));
    for (const QWizard::WizardButton button :
         {QWizard::BackButton, QWizard::FinishButton, QWizard::CancelButton, QWizard::HelpButton}) {
        EXPECT_FALSE(sheet->button(button)->isEnabled()) << button;
    }
    sheet->reject();
    sheet->button(QWizard::FinishButton)->click();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(last.Done());

    release.set_value();
    ASSERT_TRUE(WaitFor([&] { return last.Done(); }));
    EXPECT_EQ(last.Title(), "Installation Successful!");
    EXPECT_TRUE(sheet->button(QWizard::FinishButton)->isEnabled());
    EXPECT_TRUE(sheet->isVisible());
}

TEST_F(WizardTest, WithoutADesktopTheSuccessPagePointsToTheMenu) {
    fs::remove(home_.Desktop());
    auto sheet = MakeSheet();
    ToFolderPage(*sheet);
    sheet->next();
    CPageLast& last = Install(*sheet);
    EXPECT_EQ(last.Title(), "Installation Successful!");
    EXPECT_FALSE(last.Text().contains("desktop")) << last.Text().toStdString();
    EXPECT_TRUE(last.Text().contains("applications menu"));
}

TEST_F(WizardTest, FolderPageExpandsTheHomeFolderAndRefusesRelativePaths) {
    auto sheet = MakeSheet();
    ToFolderPage(*sheet);
    QLineEdit* folder = FolderEdit(*sheet);
    auto& page = static_cast<CPageFolder&>(*sheet->currentPage());

    folder->setText(QStringLiteral("apps/LK"));
    sheet->next();
    EXPECT_EQ(sheet->currentId(), CWizardSheet::FolderPage);
    EXPECT_TRUE(page.Problem().contains("\"apps/LK\" is not a complete folder name"))
        << page.Problem().toStdString();
    folder->setText(QStringLiteral("~apps"));
    sheet->next();
    EXPECT_EQ(sheet->currentId(), CWizardSheet::FolderPage);

    folder->setText(QStringLiteral("  ~/apps/LK "));
    sheet->next();
    ASSERT_EQ(sheet->currentId(), CWizardSheet::LastPage);
    EXPECT_EQ(page.Folder(), home_.Home() / "apps" / "LK");
    EXPECT_EQ(sheet->InstallFolder(), home_.Home() / "apps" / "LK");

    // Back, then Next again, keeps what the user typed.
    sheet->back();
    ASSERT_EQ(sheet->currentId(), CWizardSheet::FolderPage);
    EXPECT_EQ(folder->text(), "  ~/apps/LK ");
    EXPECT_TRUE(page.Problem().isEmpty());
    sheet->next();
    sheet->back();
    EXPECT_EQ(folder->text(), "  ~/apps/LK ");

    sheet->next();
    CPageLast& last = Install(*sheet);
    EXPECT_EQ(last.Title(), "Installation Successful!") << last.Text().toStdString();
    EXPECT_TRUE(fs::exists(home_.Home() / "apps" / "LK" / "Installed.lst"));
    EXPECT_FALSE(fs::exists(fs::current_path() / "~"));
}

TEST_F(WizardTest, HelpOpensTheGuideOfTheMedium) {
    auto sheet = MakeSheet();
    ASSERT_TRUE(sheet->button(QWizard::HelpButton)->isVisible());
    sheet->button(QWizard::HelpButton)->click();
    ASSERT_EQ(browser_.opened.size(), 1u);
    EXPECT_EQ(browser_.opened[0].toLocalFile().toStdString(),
              (medium_ / widgets::kHelpFileName).string());
    EXPECT_EQ(browser_.opened[0].fragment(), "context-1");
}

// Without a browser, Help says which file to open.
TEST_F(WizardTest, HelpWithoutABrowserNamesTheHelpFile) {
    browser_.opens = false;
    auto sheet = MakeSheet();
    modals_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    sheet->button(QWizard::HelpButton)->click();
    ASSERT_EQ(modals_.Ran().size(), 1u);
    EXPECT_TRUE(modals_.Ran()[0].text.contains(
        QString::fromStdString("\"" + (medium_ / widgets::kHelpFileName).string() + "\"")))
        << modals_.Ran()[0].text.toStdString();
}

// Setup installs nothing over a program of the folder that runs: it asks for
// it to be closed. Cancel leaves the folder as it was; Retry once it is
// closed installs.
TEST_F(WizardTest, FinishWaitsWhileAProgramOfTheFolderRuns) {
    const fs::path folder = home_.Root() / "Programs" / "Lotkeeper";
    fs::create_directories(folder);
    fs::copy_file("/bin/sleep", folder / "Lotkeeper");
    test::RunningProgram lotkeeper(folder / "Lotkeeper");
    ASSERT_TRUE(lotkeeper.Started());

    auto sheet = MakeSheet();
    ToFolderPage(*sheet);
    FolderEdit(*sheet)->setText(QString::fromStdString(folder.string()));
    sheet->next();
    auto& last = static_cast<CPageLast&>(*sheet->currentPage());
    modals_.Then(ScriptedModalRunner::Press(QMessageBox::Cancel));
    sheet->button(QWizard::FinishButton)->click();
    ASSERT_EQ(modals_.Ran().size(), 1u);
    EXPECT_TRUE(modals_.Ran()[0].text.startsWith(
        QString::fromStdString("Lotkeeper is running from " + folder.string())))
        << modals_.Ran()[0].text.toStdString();
    EXPECT_FALSE(last.Installing());
    EXPECT_FALSE(last.Done());
    EXPECT_EQ(sheet->currentId(), CWizardSheet::LastPage);
    EXPECT_EQ(last.Title(), "You're ready to install...");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    modals_.Then(ScriptedModalRunner::Step{QStringLiteral("QMessageBox"),
                                           {},
                                           [&](QDialog&) { lotkeeper.Close(); },
                                           ScriptedModalRunner::Answer::PressButton,
                                           QMessageBox::Retry});
    CPageLast& done = Install(*sheet);
    EXPECT_EQ(modals_.Ran().size(), 2u);
    EXPECT_EQ(done.Title(), "Installation Successful!") << done.Text().toStdString();
    EXPECT_TRUE(fs::exists(folder / "Installed.lst"));
}

TEST_F(WizardTest, ReadmeKeepsItsLinesInAFixedPitchFont) {
    const std::string readme =
        "Name             what it is\n"
        "Lotkeeper        the main program, with a description long enough to pass the "
        "right edge of the page without being wrapped\n";
    WriteFileAtomically(medium_ / "Readme.txt", readme);
    auto sheet = MakeSheet();
    sheet->next();
    auto& page = static_cast<CPageRead&>(*sheet->currentPage());
    EXPECT_EQ(page.Text().toStdString(), readme);
    const QPlainTextEdit& text = page.TextBox();
    EXPECT_EQ(text.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(text.font()).fixedPitch());
    EXPECT_FALSE(text.font().bold());
    EXPECT_EQ(text.document()->lineCount(), 3);
}

TEST_F(WizardTest, FailedInstallationShowsTheSetupLog) {
    auto sheet = MakeSheet();
    ToFolderPage(*sheet);
    WriteFileAtomically(home_.Root() / "file", "");
    FolderEdit(*sheet)->setText(QString::fromStdString((home_.Root() / "file" / "x").string()));
    sheet->next();
    CPageLast& last = Install(*sheet);
    EXPECT_EQ(last.Title(), "Oops! There is a problem...");
    EXPECT_TRUE(last.Text().contains("Gavelbook Setup Log:"));
    EXPECT_TRUE(last.Text().contains("Cannot create directory"));
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
    auto& page = static_cast<CPageRead&>(*sheet->currentPage());
    EXPECT_TRUE(page.Text().startsWith("*** WARNING! WARNING!***"));
    // The warning wraps above the readme rather than running off its box.
    const auto* warning = page.findChild<QLabel*>(QStringLiteral("warning"));
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->wordWrap());
    EXPECT_TRUE(warning->isVisibleTo(&page));
    EXPECT_EQ(page.TextBox().toPlainText(), "Welcome to the medium.");
}

TEST_F(WizardTest, MissingWebEngineLeadsToTheErrorPage) {
    auto sheet = MakeSheet("libno-such-web-engine.so");
    sheet->next();
    sheet->next();
    ASSERT_EQ(sheet->currentId(), CWizardSheet::ErrorPage);
    EXPECT_EQ(sheet->windowTitle(), "Gavelbook Installation");
    EXPECT_FALSE(sheet->button(QWizard::FinishButton)->isEnabled());
}

// Pictures for the documentation, written only when GB_SCREENSHOT_DIR names a
// folder; under Xvfb at the default font:
//   GB_SCREENSHOT_DIR=docs xvfb-run -a build/bin/setup_wizard_tests --gtest_filter='*Screenshot*'
TEST_F(WizardTest, Screenshots) {
    const QString folder = qEnvironmentVariable("GB_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR is not set";
    }
    const std::optional<std::string> readme =
        ReadWholeFile(fs::path(GB_SOURCE_DIR) / "resources" / "setup" / "Readme.txt");
    ASSERT_TRUE(readme);
    WriteFileAtomically(medium_ / "Readme.txt", *readme);
    auto sheet = MakeSheet();
    sheet->next();
    sheet->resize(sheet->sizeHint().expandedTo(sheet->minimumSize()));
    QApplication::processEvents();
    EXPECT_TRUE(sheet->grab().save(folder + "/setup-readme-page.png"));
    sheet->next();
    FolderEdit(*sheet)->setText(QStringLiteral("apps/Lotkeeper"));
    sheet->next();
    QApplication::processEvents();
    EXPECT_TRUE(sheet->grab().save(folder + "/setup-folder-page.png"));
}

}  // namespace
}  // namespace gb::setup::ui
