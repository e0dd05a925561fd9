// New, Open, the recently used profiles, Save and Save As on the profile
// document, with the questions answered by the test.

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <vector>

#include "app/core/CommandIds.h"
#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/ProfileCommands.h"
#include "app/core/ServicePrompts.h"
#include "itemdb/AucDoc.h"
#include "itemdb/DocumentPrompts.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

class ScriptedFiles : public gb::app::FileDialogService {
public:
    std::optional<std::filesystem::path> AskOpenFile(std::string_view, std::string_view) override {
        return openAnswer;
    }
    std::optional<std::filesystem::path> AskSaveFile(
        std::string_view, std::string_view, const std::filesystem::path& proposal) override {
        proposals.push_back(proposal);
        return std::nullopt;
    }
    std::optional<std::filesystem::path> openAnswer;
    std::vector<std::filesystem::path> proposals;
};

class NoMessages : public gb::app::MessageService {
public:
    gb::app::MessageResult Show(std::string_view, gb::app::MessageButtons,
                                gb::app::MessageIcon) override {
        ADD_FAILURE() << "no message expected";
        return gb::app::MessageResult::Ok;
    }
};

class ScriptedPrompts : public DocumentPrompts {
public:
    Answer AskSaveChanges(std::string_view) override {
        ++questions;
        return answer;
    }
    std::optional<std::filesystem::path> ChooseSavePath(std::string_view) override {
        return savePath;
    }
    void ReportError(std::string_view message) override { errors.emplace_back(message); }

    Answer answer = Answer::No;
    int questions = 0;
    std::optional<std::filesystem::path> savePath;
    std::vector<std::string> errors;
};

class ProfileCommandsTest : public ::testing::Test {
protected:
    ProfileCommandsTest() {
        document.SetHost(&app);
        document.SetPrompts(&prompts);
        commands.SetListener(
            [this](gb::app::ProfileCommands::Event event) { events.push_back(event); });
    }

    std::filesystem::path SavedProfile(const std::string& name) {
        CAucDoc other;
        other.OnNewDocument();
        other.SetProfileName(name);
        const auto path = folder / (name + ".pro");
        EXPECT_TRUE(other.OnSaveDocument(path));
        return path;
    }

    TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    gb::app::CLotkeeperApp app{user, folder.Path()};
    ScriptedFiles files;
    ScriptedPrompts prompts;
    CAucDoc document;
    NoMessages messages;
    gb::app::ProfileCommands commands{document, app, files, messages};
    std::vector<gb::app::ProfileCommands::Event> events;
};

using Event = gb::app::ProfileCommands::Event;

TEST_F(ProfileCommandsTest, ANewProfileIsUntitledAndNamedAfterItsRootFolder) {
    EXPECT_TRUE(commands.NewProfile());
    EXPECT_TRUE(document.GetPathName().empty());
    EXPECT_EQ(document.GetTitle(), "New Profile");
    EXPECT_EQ(document.GetProfileName(), "New Profile");
    EXPECT_EQ(document.EditFolders().FolderName(100), "New Profile");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(events, std::vector<Event>{Event::Created});
}

TEST_F(ProfileCommandsTest, TheFormIsStoredBeforeTheProfileIsSavedOrReplaced) {
    int stored = 0;
    commands.SetFormStore([&] {
        ++stored;
        document.SetProfileName("Typed");
    });
    prompts.savePath = folder / "Typed.pro";
    EXPECT_TRUE(commands.SaveAs());
    EXPECT_EQ(stored, 1);
    CAucDoc saved;
    ASSERT_TRUE(saved.OnOpenDocument(folder / "Typed.pro"));
    EXPECT_EQ(saved.GetProfileName(), "Typed");
    // Stored first, the profile is still as saved: New asks nothing.
    EXPECT_TRUE(commands.NewProfile());
    EXPECT_EQ(stored, 2);
    EXPECT_EQ(prompts.questions, 0);
}

TEST_F(ProfileCommandsTest, OpeningTakesThePathAndRemembersIt) {
    const auto path = SavedProfile("Shop");
    EXPECT_TRUE(commands.OpenProfile(path));
    EXPECT_EQ(document.GetPathName(), path);
    EXPECT_EQ(document.GetTitle(), "Shop");
    EXPECT_EQ(app.GetProfilePath(), path);
    EXPECT_EQ(app.GetRecentFiles().Entries().front(), path);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(events, std::vector<Event>{Event::Opened});
}

TEST_F(ProfileCommandsTest, AnUnreadableFileLeavesTheOpenProfileAsItWas) {
    const auto shop = SavedProfile("Shop");
    ASSERT_TRUE(commands.OpenProfile(shop));
    const auto broken = folder / "Broken.pro";
    std::ofstream(broken) << "garbage";
    EXPECT_FALSE(commands.OpenProfile(broken));
    EXPECT_EQ(prompts.errors, std::vector<std::string>{"Unexpected file format."});
    EXPECT_EQ(document.GetPathName(), shop);
    EXPECT_EQ(document.GetTitle(), "Shop");
    EXPECT_EQ(document.GetProfileName(), "Shop");
    EXPECT_EQ(app.GetProfilePath(), shop);
    EXPECT_EQ(app.GetRecentFiles().Entries(), std::vector<std::filesystem::path>{shop});
    EXPECT_EQ(events, std::vector<Event>{Event::Opened});
}

TEST_F(ProfileCommandsTest, PathsAreKeptAbsoluteWhateverTheFolderTheyWereGivenIn) {
    const auto shop = SavedProfile("Shop");
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const bool opened = commands.OpenProfile("./sub/../Shop.pro");
    app.GetRecentFiles().Add("Other.pro");
    std::filesystem::current_path(started);

    ASSERT_TRUE(opened);
    EXPECT_EQ(document.GetPathName(), shop);
    EXPECT_EQ(app.GetProfilePath(), shop);
    EXPECT_EQ(app.GetRecentFiles().Entries(),
              (std::vector<std::filesystem::path>{folder / "Other.pro", shop}));
}

TEST_F(ProfileCommandsTest, AModifiedUntitledProfileThatIsKeptStaysOpen) {
    commands.NewProfile();
    document.SetProfileName("Unsaved");
    prompts.answer = DocumentPrompts::Answer::Cancel;
    EXPECT_FALSE(commands.OpenProfile(SavedProfile("Shop")));
    EXPECT_EQ(prompts.questions, 1);
    EXPECT_EQ(document.GetProfileName(), "Unsaved");
}

TEST_F(ProfileCommandsTest, ARecentProfileThatCannotBeReadLeavesTheList) {
    const auto good = SavedProfile("Good");
    const auto gone = folder / "Gone.pro";
    app.GetRecentFiles().Add(good);
    app.GetRecentFiles().Add(gone);

    EXPECT_FALSE(commands.OpenRecent(0));
    EXPECT_TRUE(document.GetPathName().empty());
    EXPECT_EQ(app.GetRecentFiles().Entries(), std::vector<std::filesystem::path>{good});

    EXPECT_TRUE(commands.Commands().ExecuteCommand(gb::app::cmd::FileRecent1));
    EXPECT_EQ(document.GetPathName(), good);
}

TEST_F(ProfileCommandsTest, RecentEntriesShowTheirPathsAndOnlyFilledOnesAreEnabled) {
    app.GetRecentFiles().Add("/data/Shop.pro");
    gb::app::CommandUpdate first;
    ASSERT_TRUE(commands.Commands().UpdateCommand(gb::app::cmd::FileRecent1, first));
    EXPECT_TRUE(first.State().enabled);
    EXPECT_EQ(first.State().text, "&1 /data/Shop.pro");
    gb::app::CommandUpdate second;
    ASSERT_TRUE(commands.Commands().UpdateCommand(gb::app::cmd::FileRecent1 + 1, second));
    EXPECT_FALSE(second.State().enabled);
}

TEST_F(ProfileCommandsTest, OpenAsksForTheFile) {
    files.openAnswer = SavedProfile("Chosen");
    EXPECT_TRUE(commands.Commands().ExecuteCommand(gb::app::cmd::FileOpen));
    EXPECT_EQ(document.GetTitle(), "Chosen");
    files.openAnswer.reset();
    commands.OpenChosenProfile();
    EXPECT_EQ(document.GetTitle(), "Chosen");
}

TEST_F(ProfileCommandsTest, SaveAsWritesWhereThePromptsSay) {
    commands.NewProfile();
    document.SetProfileName("Fresh");
    prompts.savePath = folder / "Fresh.pro";
    EXPECT_TRUE(commands.SaveAs());
    EXPECT_TRUE(std::filesystem::exists(folder / "Fresh.pro"));
    EXPECT_EQ(document.GetPathName(), folder / "Fresh.pro");
    EXPECT_EQ(app.GetRecentFiles().Entries().front(), folder / "Fresh.pro");
    EXPECT_EQ(events.back(), Event::Saved);
}

// The Save As dialog proposes the profile's name in the folder where the
// profiles are kept: the newest one's that still exists, else the documents
// folder; never the working folder.
TEST_F(ProfileCommandsTest, SaveAsProposesTheNameWhereTheProfilesAre) {
    const std::filesystem::path documents = folder / "Documents";
    gb::app::ServicePrompts service(messages, files, app.GetRecentFiles(), documents);
    EXPECT_FALSE(service.ChooseSavePath("Corner Curios"));
    app.GetRecentFiles().Add(folder / "gone" / "Old.pro");
    EXPECT_FALSE(service.ChooseSavePath("AC/DC \xE9tains"));
    app.GetRecentFiles().Add(SavedProfile("Kept"));
    app.GetRecentFiles().Add(folder / "gone" / "Newest.pro");
    EXPECT_FALSE(service.ChooseSavePath("Corner Curios"));
    EXPECT_EQ(files.proposals,
              (std::vector<std::filesystem::path>{documents / "Corner Curios.pro",
                                                  documents / "AC_DC \xC3\xA9tains.pro",
                                                  folder / "Corner Curios.pro"}));
}

}  // namespace
