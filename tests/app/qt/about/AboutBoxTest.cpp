// The About box links to the maker's page and tells the user when the link
// cannot be opened; the program runs it through the modal runner.

#include <gtest/gtest.h>

#include <QtWidgets/QLabel>

#include "FakeServices.h"
#include "Screenshots.h"
#include "app/core/CommandIds.h"
#include "app/dialogs/about/CAboutDlg.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/LotkeeperProgram.h"
#include "app/ui/ShellLinkOpener.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"
#include "widgets/CHyperLink.h"

using gb::test::TempFolder;

namespace {

TEST(AboutBoxTest, TheLinkShowsTheMakersAddressAndOpensTheProductPage) {
    FakeServices services;
    gb::app::ui::CAboutDlg about(services.shell, services.messages);
    EXPECT_EQ(about.windowTitle(), "About Gavelbook");
    EXPECT_EQ(about.Link()->text(), "www.norvel-software.example");
    EXPECT_TRUE(about.Link()->Follow());
    EXPECT_EQ(services.shell.links,
              std::vector<std::string>{"https://www.norvel-software.example/gavelbook/"});
    EXPECT_TRUE(services.messages.shown.empty());
}

TEST(AboutBoxTest, TheVersionAndCopyrightAreOnYellowAndTheLinkDarkGreen) {
    FakeServices services;
    gb::app::ui::CAboutDlg about(services.shell, services.messages);
    const auto* version = about.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 1.98");
    const auto* copyright = about.findChild<QLabel*>(QStringLiteral("copyright"));
    for (const QLabel* line : {version, copyright}) {
        ASSERT_NE(line, nullptr);
        EXPECT_TRUE(line->autoFillBackground());
        EXPECT_EQ(line->palette().color(QPalette::Window), QColor(255, 255, 0));
    }
    EXPECT_EQ(about.Link()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    if (!gb::test::ScreenshotFolder().isEmpty()) {
        gb::test::SaveScreenshot(about, QStringLiteral("lotkeeper-about.png"));
    }
}

TEST(AboutBoxTest, ALinkThatCannotBeOpenedAsksTheUserToVisitTheSite) {
    FakeServices services;
    services.shell.succeeds = false;
    gb::app::ui::CAboutDlg about(services.shell, services.messages);
    EXPECT_FALSE(about.Link()->Follow());
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_NE(services.messages.shown[0].find("visit"), std::string::npos);
}

TEST(AboutBoxTest, TheAboutCommandRunsTheBoxOverTheMainWindow) {
    TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    FakeServices services;
    gb::app::ui::LotkeeperProgram program(
        gb::app::CommandLine::Parse({}), user, folder.Path(),
        QStringLiteral("GavelbookAbout-%1").arg(QString::fromStdString(folder.Path().filename())),
        services.Services());
    ASSERT_TRUE(program.InitInstance());
    QWidget* parent = nullptr;
    auto step = gb::widgets::ScriptedModalRunner::Accept(
        [&parent](QDialog& about) { parent = about.parentWidget(); });
    step.className = QStringLiteral("gb::app::ui::CAboutDlg");
    services.modals.Then(step);

    EXPECT_TRUE(program.Frame()->ExecuteCommand(gb::app::cmd::AppAbout));
    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_EQ(services.modals.Ran().front().title, "About Gavelbook");
    EXPECT_EQ(parent, program.Frame());
    EXPECT_TRUE(services.modals.Failures().empty());
    program.ExitInstance(0);
}

TEST(AboutBoxTest, ALinkWithoutTargetOpensItsText) {
    FakeServices services;
    gb::app::ui::ShellLinkOpener opener(services.shell, services.messages);
    gb::widgets::CHyperLink link(opener);
    link.setText(QStringLiteral("https://example.com/"));
    EXPECT_TRUE(link.Follow());
    EXPECT_EQ(services.shell.links, std::vector<std::string>{"https://example.com/"});

    gb::widgets::CHyperLink empty(opener);
    EXPECT_FALSE(empty.Follow());
}

}  // namespace
