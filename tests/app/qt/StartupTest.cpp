// Start-up and shutdown of the program: which profile opens, what happens
// when it cannot, one instance per user, and what the next start finds.

#include <QtCore/QDeadlineTimer>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtNetwork/QLocalSocket>
#include <QtNetwork/QNetworkAccessManager>
#include <QtNetwork/QNetworkReply>
#include <QtNetwork/QTcpServer>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

#include "FakeServices.h"
#include "TestProfile.h"
#include "app/core/AppSettings.h"
#include "app/core/CommandIds.h"
#include "app/ui/CInvView.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CMainView.h"
#include "app/ui/CNavView.h"
#include "app/ui/CommandActions.h"
#include "app/ui/ItemListModel.h"
#include "app/ui/LotkeeperProgram.h"
#include "app/ui/profile/CProView.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "itemdb/TDocText.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

class StartupTest : public ::testing::Test {
protected:
    std::unique_ptr<gb::app::ui::LotkeeperProgram> Program(
        std::vector<std::string> arguments = {}) {
        return std::make_unique<gb::app::ui::LotkeeperProgram>(
            gb::app::CommandLine::Parse(arguments), user, folder.Path(), instanceName,
            services.Services());
    }
    // A profile saved to the test's folder.
    std::filesystem::path SavedProfile(const std::string& name = "Demo.pro") {
        CAucDoc document;
        test_profile::Prepare(document);
        const auto path = folder / name;
        EXPECT_TRUE(document.OnSaveDocument(path));
        return path;
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    void TearDown() override { Settle(); }

    TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    const QString instanceName =
        QStringLiteral("GavelbookTest-%1").arg(QString::fromStdString(folder.Path().filename()));
    FakeServices services;
};

TEST_F(StartupTest, WithNoProfileUsedBeforeANewOneOpensWithoutAMessage) {
    auto program = Program();
    ASSERT_TRUE(program->InitInstance());
    EXPECT_TRUE(services.messages.shown.empty());
    EXPECT_TRUE(program->Document().GetPathName().empty());
    EXPECT_EQ(program->Document().GetTitle(), "New Profile");
    EXPECT_EQ(program->Frame()->windowTitle(), "New Profile");
    EXPECT_EQ(program->Frame()->GetRightView()->Kind(), gb::app::ViewKind::Profile);
    EXPECT_TRUE(program->Frame()->isVisible());
    // The title, the tree's root and the profile's name agree.
    EXPECT_EQ(program->Frame()->GetMainView()->GetTreeView()->topLevelItem(0)->text(0),
              "New Profile");
    const auto* form = dynamic_cast<gb::app::ui::CProView*>(program->Frame()->GetRightView());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ProfileNameEdit()->text(), "New Profile");
    EXPECT_FALSE(program->Document().IsModified());
}

TEST_F(StartupTest, TheProfileUsedLastOpensAgain) {
    const auto path = SavedProfile();
    ASSERT_TRUE(user.SetString(gb::app::SectionKey("Settings"), "ProfileName", path.string()));
    auto program = Program();
    ASSERT_TRUE(program->InitInstance());
    Settle();
    EXPECT_EQ(program->Document().GetPathName(), path);
    EXPECT_EQ(program->Frame()->windowTitle(), "Demo");
    EXPECT_EQ(program->Frame()->GetRightView()->Kind(), gb::app::ViewKind::Items);
    EXPECT_EQ(program->App().GetRecentFiles().Entries().front(), path);
}

TEST_F(StartupTest, TheDesktopCallsTheProgramGavelbookOnce) {
    const QString testName = QApplication::applicationName();
    const QString testOrganisation = QApplication::organizationName();
    gb::app::ui::LotkeeperProgram::SetApplicationNames();
    EXPECT_EQ(QApplication::applicationDisplayName(), "Gavelbook");
    // Settings and files keep the program's own name.
    EXPECT_EQ(QApplication::applicationName(), "Lotkeeper");
    auto program = Program();
    ASSERT_TRUE(program->InitInstance());
    // The window system adds the display name to the title.
    EXPECT_FALSE(program->Frame()->windowTitle().contains("Gavelbook"));
    QApplication::setApplicationDisplayName({});
    QApplication::setApplicationName(testName);
    QApplication::setOrganizationName(testOrganisation);
}

TEST_F(StartupTest, TheTemplatePaneShowsTheLibraryOfTheSettingsAtOnce) {
    CTemplateLibrary library;
    library.SetPath(folder / "Shop.cta");
    CTDocText thanks;
    thanks.SetName("Thanks");
    thanks.SetKind(CTDocText::Email);
    library.AddTemplate(thanks);
    ASSERT_TRUE(library.SaveFile());
    ASSERT_TRUE(user.SetString(gb::app::SectionKey("Template\\Settings"), "Library", "Shop.cta"));
    auto program = Program();
    ASSERT_TRUE(program->InitInstance());
    EXPECT_EQ(program->Frame()->TemplatePaneText(), "Current Template: Thanks  (Shop.cta)");
}

TEST_F(StartupTest, AMissingLastProfileIsReportedAndANewOneOpens) {
    ASSERT_TRUE(user.SetString(gb::app::SectionKey("Settings"), "ProfileName",
                               (folder / "gone.pro").string()));
    auto program = Program();
    ASSERT_TRUE(program->InitInstance());
    Settle();
    ASSERT_FALSE(services.messages.shown.empty());
    EXPECT_EQ(
        services.messages.shown.back().rfind("The profile you last used cannot be opened.", 0), 0u);
    EXPECT_TRUE(program->Document().GetPathName().empty());
    EXPECT_EQ(program->Document().GetTitle(), "New Profile");
    EXPECT_EQ(program->Frame()->GetRightView()->Kind(), gb::app::ViewKind::Profile);
}

TEST_F(StartupTest, AnUnreadableProfileOnTheCommandLineEndsTheProgram) {
    const auto path = folder / "Broken.pro";
    std::ofstream(path) << "not a profile";
    auto program = Program({path.string()});
    EXPECT_FALSE(program->InitInstance());
    ASSERT_FALSE(services.messages.shown.empty());
    EXPECT_EQ(services.messages.shown.front(), "Unexpected file format.");
}

TEST_F(StartupTest, ShutdownRemembersTheProfileForTheNextStart) {
    const auto path = SavedProfile();
    {
        auto program = Program({path.string()});
        ASSERT_TRUE(program->InitInstance());
        program->Frame()->close();
        EXPECT_EQ(program->ExitInstance(0), 0);
    }
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Settings"), "ProfileName"), path.string());
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Recent File List"), "File1"), path.string());
    EXPECT_NE(user.GetNumber(gb::app::SectionKey("Settings"), "right", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(folder / "AucField.fee"));
}

// A profile whose name has letters beyond ASCII: the title and the File menu
// show it as the file system writes it (UTF-8), the settings file holds it so,
// and the next start opens it from there.
TEST_F(StartupTest, AnAccentedProfileShowsAndReopensAsWritten) {
    const std::string name = "Curiosit\xC3\xA9s \xC3\xBCnd Co";
    const auto path = SavedProfile(name + ".pro");
    {
        auto program = Program({path.string()});
        ASSERT_TRUE(program->InitInstance());
        EXPECT_EQ(program->Frame()->windowTitle(), QString::fromStdString(name));
        program->Frame()->Actions().Refresh();
        EXPECT_EQ(program->Frame()->Actions().Action(gb::app::cmd::FileRecent1)->text(),
                  QStringLiteral("&1 ") + QString::fromStdString(path.string()));
        program->Frame()->close();
        EXPECT_EQ(program->ExitInstance(0), 0);
    }
    const std::string settings = gb::ReadWholeFile(folder / "user.settings").value_or("");
    EXPECT_NE(settings.find("File1=text:" + path.string() + "\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("ProfileName=text:" + path.string() + "\n"), std::string::npos);

    auto program = Program();
    ASSERT_TRUE(program->InitInstance());
    Settle();
    EXPECT_EQ(program->Document().GetPathName(), path);
    EXPECT_EQ(program->App().GetRecentFiles().Entries(), std::vector<std::filesystem::path>{path});
}

TEST_F(StartupTest, ASecondInstanceHandsOverToTheFirstAndEnds) {
    auto first = Program();
    ASSERT_TRUE(first->InitInstance());
    QSignalSpy activated(&first->Instance(), &gb::widgets::SingleInstance::Activated);

    FakeServices secondServices;
    gb::app::ui::LotkeeperProgram second(gb::app::CommandLine{}, user, folder.Path(), instanceName,
                                         secondServices.Services());
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(second.Frame(), nullptr);
    EXPECT_TRUE(activated.wait());
    EXPECT_EQ(activated.count(), 1);
}

TEST_F(StartupTest, ASecondInstanceLeavesTheSettingsToTheFirst) {
    const auto path = SavedProfile();
    ASSERT_TRUE(user.SetString(gb::app::SectionKey("Recent File List"), "File1", path.string()));
    auto first = Program();
    ASSERT_TRUE(first->InitInstance());

    FakeServices secondServices;
    const std::vector<std::string> arguments{(folder / "Other.pro").string()};
    gb::app::ui::LotkeeperProgram second(gb::app::CommandLine::Parse(arguments), user,
                                         folder.Path(), instanceName, secondServices.Services());
    ASSERT_FALSE(second.InitInstance());
    second.ExitInstance(0);
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Recent File List"), "File1"), path.string());
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Settings"), "ProfileName"), "");
}

TEST_F(StartupTest, OpeningAFileThatIsNoProfileLeavesTheWindowAsItWas) {
    const auto path = folder / "Stock.pro";
    {
        CAucDoc document;
        test_profile::AddItems(document, test_profile::Prepare(document), folder::InProgress, 3);
        ASSERT_TRUE(document.OnSaveDocument(path));
    }
    auto program = Program({path.string()});
    ASSERT_TRUE(program->InitInstance());
    Settle();
    gb::app::ui::CMainFrame& frame = *program->Frame();
    const QString caption = frame.windowTitle();
    const QString root = frame.GetMainView()->GetTreeView()->topLevelItem(0)->text(0);
    const auto* list = dynamic_cast<gb::app::ui::CInvView*>(frame.GetRightView());
    ASSERT_NE(list, nullptr);
    const int rows = list->Model().rowCount();

    const auto broken = folder / "Broken.pro";
    std::ofstream(broken) << "not a profile";
    services.files.openAnswer = broken;
    frame.ExecuteCommand(gb::app::cmd::FileOpen);
    Settle();
    EXPECT_EQ(services.messages.shown, std::vector<std::string>{"Unexpected file format."});
    EXPECT_EQ(frame.windowTitle(), caption);
    EXPECT_EQ(frame.GetMainView()->GetTreeView()->topLevelItem(0)->text(0), root);
    ASSERT_EQ(frame.GetRightView(), list);
    EXPECT_EQ(list->Model().rowCount(), rows);
    EXPECT_EQ(program->Document().GetPathName(), path);
}

TEST_F(StartupTest, ASecondProgramProcessEndsAtOnce) {
    const QString program = QStringLiteral(GB_BIN_DIR "/Lotkeeper");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("GAVELBOOK_USER_SETTINGS", QString::fromStdString(folder.Path().string()));
    environment.insert("GAVELBOOK_MACHINE_SETTINGS",
                       QString::fromStdString(folder.Path().string()));
    environment.insert("GAVELBOOK_PROGRAM_DIR", QString::fromStdString(folder.Path().string()));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(folder.Path().string()));

    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    // The first instance listens once it has claimed the instance.
    const QString server = QStringLiteral("%1/Norvel_Gavelbook-%2.socket")
                               .arg(QString::fromStdString(folder.Path().string()))
                               .arg(getuid());
    bool listening = false;
    for (int attempt = 0; attempt < 100 && !listening; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(server);
        listening = probe.waitForConnected(100);
        if (!listening) {
            first.waitForFinished(50);
        }
    }
    ASSERT_TRUE(listening);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program, {});
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished();
    }
}

// The programs as a user starts them, who is root on a fresh machine: the
// environment holds nothing about the web engine's sandbox, and the engine
// would end a program the moment it starts, before any page exists, unless
// the program itself turned the sandbox off. The engine's debugging port
// tells that it runs and which pages the program has made.
class ProgramsAsRootTest : public StartupTest {
protected:
    // The pages the engine of the program started last lists: an array of
    // objects with "type", "url" and "title"; empty while it lists none.
    QJsonArray EnginePages() const {
        QNetworkAccessManager network;
        std::unique_ptr<QNetworkReply> reply(network.get(
            QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/json/list").arg(port_)))));
        if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 5000)) {
            return {};
        }
        return QJsonDocument::fromJson(reply->readAll()).array();
    }

    // Starts `program` and waits until its engine lists a page; false when the
    // program ends first, or lists none within a minute.
    bool ShowsAPage(QProcess& process, const QString& program, const QStringList& arguments) {
        QTcpServer probe;
        EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
        port_ = probe.serverPort();
        probe.close();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
        environment.insert("QTWEBENGINE_REMOTE_DEBUGGING",
                           QStringLiteral("127.0.0.1:%1").arg(port_));
        environment.insert("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        // In a sanitized build the engine's library fails these checks by
        // itself.
        environment.insert("ASAN_OPTIONS", "new_delete_type_mismatch=0:detect_leaks=0");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        const QString home = QString::fromStdString(folder.Path().string());
        for (const char* variable :
             {"GAVELBOOK_USER_SETTINGS", "GAVELBOOK_MACHINE_SETTINGS", "GAVELBOOK_PROGRAM_DIR",
              "GAVELBOOK_STATE_DIR", "XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            environment.insert(QString::fromLatin1(variable), home);
        }
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForStarted()) {
            return false;
        }
        QJsonArray pages;
        const auto shown = [&] {
            pages = EnginePages();
            for (const QJsonValue page : pages) {
                if (page[QStringLiteral("type")] == QStringLiteral("page")) {
                    return true;
                }
            }
            return false;
        };
        const QDeadlineTimer patience(60000);
        bool found = false;
        while (!found && process.state() == QProcess::Running && !patience.hasExpired()) {
            found = shown();
            process.waitForFinished(200);
        }
        EXPECT_TRUE(found) << QJsonDocument(pages).toJson().toStdString()
                           << process.readAllStandardError().toStdString();
        return found && process.state() == QProcess::Running;
    }

    static void End(QProcess& process) {
        process.kill();
        process.waitForFinished();
    }

private:
    quint16 port_ = 0;
};

TEST_F(ProgramsAsRootTest, BothProgramsMakeTheirWebPagesAndRunOn) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "the programs run as root only for root";
    }
    // A profile left on the user guide opens on it.
    const auto profile = folder / "Guide.pro";
    {
        CAucDoc document;
        test_profile::Prepare(document);
        ASSERT_TRUE(document.SelectFolder(
            test_profile::FindChild(document.EditFolders(), folder::UserGuide, folder::Contents)));
        ASSERT_TRUE(document.OnSaveDocument(profile));
    }
    QProcess lotkeeper;
    EXPECT_TRUE(ShowsAPage(lotkeeper, QStringLiteral(GB_BIN_DIR "/Lotkeeper"),
                           {QString::fromStdString(profile.string())}));
    End(lotkeeper);

    // The editor shows the library's template in its design view.
    CTDocText only(CTDocText::Defaults::Editor);
    only.SetName("Only");
    CTemplateLibrary library;
    library.AddTemplate(only);
    library.SetPath(folder / "VizEvav.cta");
    ASSERT_TRUE(library.SaveFile());
    QProcess editor;
    EXPECT_TRUE(ShowsAPage(editor, QStringLiteral(GB_BIN_DIR "/Template"), {}));
    End(editor);
}

}  // namespace
