#include "app/core/report/ReportCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "RecordingShell.h"
#include "ReportFixtures.h"
#include "app/core/MessageService.h"
#include "app/core/UiStrings.h"
#include "app/core/hints/HintReminder.h"
#include "app/core/report/ReportStrings.h"
#include "itemdb/AucItem.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"
#include "itemdb/RetrievedRow.h"
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
        // What happens while the box is open, as an update may.
        if (meanwhile) {
            std::exchange(meanwhile, {})();
        }
        if (answers.empty()) {
            return gb::app::MessageResult::Ok;
        }
        const gb::app::MessageResult answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> shown;
    std::deque<gb::app::MessageResult> answers;
    std::function<void()> meanwhile;
};

class ReportCommandsTest : public ::testing::Test {
protected:
    ReportCommandsTest() {
        for (const CAucItem& item : items) {
            list.AddItem(item, gb::itemdb::folder::AuctionEnded);
        }
    }

    std::vector<const CAucItem*> Rows(std::initializer_list<int> indexes) const {
        std::vector<const CAucItem*> rows;
        for (const int index : indexes) {
            rows.push_back(&items[static_cast<std::size_t>(index)]);
        }
        return rows;
    }
    // The identity of the item at this index in the profile's item list.
    HeldItems::ItemId IdOf(int index) const {
        const CAucItem& item = items[static_cast<std::size_t>(index)];
        gb::itemdb::CItemList::ListPos stored;
        EXPECT_TRUE(list.FindItem(item.GetSite(), item.GetAuctionId(), &stored));
        return list.IdOf(*list.GetItem(stored));
    }
    // The items at these indexes, as a command holds them.
    HeldItems Held(std::initializer_list<int> indexes) const {
        std::vector<HeldItems::ItemId> ids;
        for (const int index : indexes) {
            ids.push_back(IdOf(index));
        }
        return HeldItems(list, std::move(ids));
    }
    std::filesystem::path ReportFile() const { return folder / "AucRpt.htm"; }

    TempFolder folder;
    gb::itemdb::CFeeSchedule fees = gb::test::ShippedFees();
    // The shipped library's first template, "Buyer Invoice", is an e-mail.
    ReportSource source{gb::test::ReportFixture("VizEvav.cta"), 0, fees};
    std::vector<CAucItem> items = gb::test::ThreeItems();
    gb::itemdb::CItemList list;
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

    EXPECT_FALSE(commands.Report(source, Held({0, 1}), Held({0, 1, 2})));

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

    EXPECT_TRUE(commands.Report(source, Held({1}), Held({0, 1, 2})));

    EXPECT_EQ(shell.opened, std::vector<std::string>{"file://" + ReportFile().string()});
    EXPECT_EQ(messages.shown, std::vector<std::string>{ReportText(report_string::IncludeAllItems)});
    const auto page = gb::ReadWholeFile(ReportFile());
    ASSERT_TRUE(page.has_value());
    EXPECT_NE(page->find("1001"), std::string::npos);
    EXPECT_NE(page->find("1003"), std::string::npos);
}

// An update that destroys an item while the user answers the question (a
// deleted item a site still reports comes back as a new one) leaves it out
// of the page; when none is left, he is told.
TEST_F(ReportCommandsTest, ItemsDestroyedWhileTheQuestionIsOpenAreLeftOut) {
    const auto bringBack = [this] {
        gb::itemdb::RetrievedRow row;
        row.seller = "cornercurios";
        row.item = "1002";
        row.start = "3/1/2024 10:00:00 AM";
        row.end = "3/2/2024 10:00:00 AM";
        row.price = "$70.00";
        row.completion = "*";
        list.MergeRow("eBay USA", row, 0, 0);
    };
    for (const auto answer : {gb::app::MessageResult::Yes, gb::app::MessageResult::No}) {
        list.MoveItem(IdOf(1), gb::itemdb::folder::DeletedItems);
        messages.answers = {answer};
        messages.meanwhile = bringBack;
        const bool shown = commands.Report(source, Held({1}), Held({0, 1, 2}));

        if (answer == gb::app::MessageResult::Yes) {
            EXPECT_TRUE(shown);
            const std::string page = gb::ReadWholeFile(ReportFile()).value_or("");
            EXPECT_NE(page.find("1001"), std::string::npos);
            EXPECT_NE(page.find("1003"), std::string::npos);
            EXPECT_EQ(page.find("1002"), std::string::npos);
        } else {
            EXPECT_FALSE(shown);
            EXPECT_EQ(messages.shown.back(), ReportText(report_string::NoItemSelected));
            EXPECT_EQ(shell.opened.size(), 1u);
        }
    }
}

TEST_F(ReportCommandsTest, AReportTheDesktopCannotOpenNamesTheFile) {
    shell.opens = false;

    EXPECT_FALSE(commands.Report(source, Held({}), Held({0})));

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], ReportNotOpenedText(ReportFile()));
    EXPECT_NE(messages.shown[0].find(ReportFile().string()), std::string::npos);
}

TEST_F(ReportCommandsTest, TheReportPageIsTheUsersAloneAndItsAddressNamesExactlyIt) {
    const std::filesystem::path odd = folder / "50% off #1 lot";
    std::filesystem::create_directory(odd);
    ReportCommands inOddFolder{messages, shell, hints, odd};

    EXPECT_TRUE(inOddFolder.Report(source, Held({}), Held({0})));

    EXPECT_EQ(
        std::filesystem::status(odd / "AucRpt.htm").permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_EQ(shell.opened.size(), 1u);
    const std::string& url = shell.opened[0];
    EXPECT_NE(url.find("/50%25%20off%20%231%20lot/AucRpt.htm"), std::string::npos) << url;
}

TEST_F(ReportCommandsTest, ReportOfAnEmptyFolderSaysSo) {
    EXPECT_FALSE(commands.Report(source, Held({}), Held({})));
    EXPECT_EQ(messages.shown, std::vector<std::string>{ReportText(report_string::NoItemSelected)});
}

}  // namespace
}  // namespace gb::app
