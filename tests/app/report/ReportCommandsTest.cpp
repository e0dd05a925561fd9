#include "app/core/report/ReportCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "RecordingShell.h"
#include "ReportFixtures.h"
#include "app/core/MessageService.h"
#include "app/core/UiStrings.h"
#include "app/core/hints/HintReminder.h"
#include "app/core/report/ReportStrings.h"
#include "itemdb/AucItem.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace gb::app {
namespace {

using gb::itemdb::CAucItem;

class RecordingMessages final : public gb::app::MessageService {
public:
    gb::app::MessageResult Show(std::string_view text, gb::app::MessageButtons,
                                gb::app::MessageIcon) override {
        shown.emplace_back(text);
        if (answers.empty()) {
            return gb::app::MessageResult::Ok;
        }
        const gb::app::MessageResult answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> shown;
    std::deque<gb::app::MessageResult> answers;
};

class ReportCommandsTest : public ::testing::Test {
protected:
    std::vector<const CAucItem*> Rows(std::initializer_list<int> indexes) const {
        std::vector<const CAucItem*> rows;
        for (const int index : indexes) {
            rows.push_back(&items[static_cast<std::size_t>(index)]);
        }
        return rows;
    }
    std::filesystem::path ReportFile() const { return folder / "AucRpt.htm"; }

    TempFolder folder;
    gb::itemdb::CFeeSchedule fees = gb::test::ShippedFees();
    // The shipped library's first template, "Buyer Invoice", is an e-mail.
    ReportSource source{gb::test::ReportFixture("VizEvav.cta"), 0, fees};
    std::vector<CAucItem> items = gb::test::ThreeItems();
    RecordingMessages messages;
    gb::test::RecordingShell shell;
    // The hints shown, each answered with OK and the box left unticked.
    std::vector<int> hintsShown;
    gb::Settings user{folder / "user.settings"};
    gb::app::HintReminder hints{user, [this](int stringId) {
                                    hintsShown.push_back(stringId);
                                    return false;
                                }};
    ReportCommands commands{messages, shell, hints, folder.Path()};
};

TEST_F(ReportCommandsTest, MailToWithoutSelectionDoesNothingButSayWhy) {
    // A first run leaves a buyer behind; the next run without rows must not
    // address that buyer.
    ASSERT_TRUE(commands.Render(source, Rows({0})).has_value());

    const auto report = commands.Render(source, {});

    EXPECT_FALSE(report.has_value());
    EXPECT_EQ(messages.shown.back(), ReportText(report_string::NoItemSelected));
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(ReportCommandsTest, MailToOpensTheFirstBuyersAddressAfterTheWarningAndHint) {
    const auto report = commands.Render(source, Rows({0, 1}));
    ASSERT_TRUE(report.has_value());

    EXPECT_TRUE(commands.OpenMail(*report));

    EXPECT_EQ(messages.shown, std::vector<std::string>{ReportText(report_string::DifferentBuyers)});
    EXPECT_EQ(hintsShown, std::vector<int>{string_id::HintPasteMail});
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].rfind("mailto:lamp@example.com?subject=", 0), 0u);
    EXPECT_EQ(gb::ReadWholeFile(ReportFile()), report->html);
}

TEST_F(ReportCommandsTest, MailToWithoutAddressShowsTheMessageAndOpensNothing) {
    items[0].SetEmail("");
    const auto report = commands.Render(source, Rows({0}));

    EXPECT_FALSE(commands.OpenMail(*report));

    EXPECT_EQ(messages.shown, std::vector<std::string>{ReportText(report_string::NoMailAddress)});
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(ReportCommandsTest, ReportFileThatCannotBeWrittenIsReportedAndNothingShown) {
    std::filesystem::create_directory(ReportFile());  // a folder where the page should go

    EXPECT_FALSE(commands.Report(source, Rows({0, 1}), Rows({0, 1, 2})));

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind(kReportNotWritten, 0), 0u);
    EXPECT_NE(messages.shown[0].find(ReportFile().string()), std::string::npos);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(ReportCommandsTest, CopyGoesOnWhenTheReportFileCannotBeWritten) {
    std::filesystem::create_directory(ReportFile());

    const auto report = commands.Render(source, Rows({0}));

    ASSERT_TRUE(report.has_value());
    EXPECT_NE(report->html.find("1001"), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReportCommandsTest, ReportOfOneSelectedRowAsksAndYesRendersTheFolder) {
    messages.answers = {gb::app::MessageResult::Yes};

    EXPECT_TRUE(commands.Report(source, Rows({1}), Rows({0, 1, 2})));

    EXPECT_EQ(shell.opened, std::vector<std::string>{"file://" + ReportFile().string()});
    EXPECT_EQ(messages.shown, std::vector<std::string>{ReportText(report_string::IncludeAllItems)});
    const auto page = gb::ReadWholeFile(ReportFile());
    ASSERT_TRUE(page.has_value());
    EXPECT_NE(page->find("1001"), std::string::npos);
    EXPECT_NE(page->find("1003"), std::string::npos);
}

TEST_F(ReportCommandsTest, AReportTheDesktopCannotOpenNamesTheFile) {
    shell.opens = false;

    EXPECT_FALSE(commands.Report(source, {}, Rows({0})));

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], ReportNotOpenedText(ReportFile()));
    EXPECT_NE(messages.shown[0].find(ReportFile().string()), std::string::npos);
}

TEST_F(ReportCommandsTest, TheReportPageIsTheUsersAloneAndItsAddressNamesExactlyIt) {
    const std::filesystem::path odd = folder / "50% off #1 lot";
    std::filesystem::create_directory(odd);
    ReportCommands inOddFolder{messages, shell, hints, odd};

    EXPECT_TRUE(inOddFolder.Report(source, {}, Rows({0})));

    EXPECT_EQ(
        std::filesystem::status(odd / "AucRpt.htm").permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_EQ(shell.opened.size(), 1u);
    const std::string& url = shell.opened[0];
    EXPECT_NE(url.find("/50%25%20off%20%231%20lot/AucRpt.htm"), std::string::npos) << url;
}

TEST_F(ReportCommandsTest, ReportOfAnEmptyFolderSaysSo) {
    EXPECT_FALSE(commands.Report(source, {}, {}));
    EXPECT_EQ(messages.shown, std::vector<std::string>{ReportText(report_string::NoItemSelected)});
}

}  // namespace
}  // namespace gb::app
