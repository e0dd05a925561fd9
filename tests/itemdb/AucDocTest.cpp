#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "AucDocDoubles.h"
#include "itemdb/AucDoc.h"
#include "platform/FileIo.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

// A profile with a name, one seller and the default folders.
void MakeProfile(CAucDoc& doc, std::string_view name = "Shop") {
    doc.SetProfileName(name);
    doc.GetSellerList().AddSeller("bob", "eBay USA", "{USA}");
    doc.CheckFolders();
}

class AucDocTest : public ::testing::Test {
protected:
    AucDocTest() {
        doc_.SetHost(&host_);
        doc_.SetPrompts(&prompts_);
    }

    TempFolder folder_;
    RecordingHost host_;
    ScriptedPrompts prompts_;
    CAucDoc doc_;
};

TEST_F(AucDocTest, NewDocumentIsAnEmptyUntitledProfile) {
    RecordingListener view;
    doc_.GetEvents().Add(&view);
    MakeProfile(doc_);
    doc_.SetPathName(folder_ / "old.pro");

    ASSERT_TRUE(doc_.OnNewDocument());
    EXPECT_EQ(doc_.GetProfileName(), "");
    EXPECT_EQ(doc_.GetSellerList().GetCount(), 0);
    EXPECT_EQ(doc_.EditFolders().GetCount(), 1);
    EXPECT_EQ(doc_.GetSelectedFolder()->name.Get(), "New Profile");
    EXPECT_EQ(doc_.GetSelectedFolderId(), 100);
    EXPECT_TRUE(doc_.GetPathName().empty());
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(host_.current, &doc_);
    EXPECT_EQ(host_.fileVersion, 272252);
    EXPECT_EQ(view.updates, (std::vector<RecordingListener::Update>{{nullptr, 0}}));
}

TEST_F(AucDocTest, ModifiedWhenAnyPartIsModified) {
    EXPECT_FALSE(doc_.IsModified());
    doc_.SetModifiedFlag();
    EXPECT_TRUE(doc_.IsModified());
    doc_.SetModifiedFlag(false);
    doc_.EditFolders().SetCurDescription("x");
    EXPECT_TRUE(doc_.IsModified());
    doc_.OnNewDocument();
    doc_.GetSellerList().AddSeller("bob", "eBay USA", "{USA}");
    EXPECT_TRUE(doc_.IsModified());
    doc_.OnNewDocument();
    doc_.GetItemList().AddItem(CAucItem(), 102);
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(AucDocTest, SetProfileNameMarksModifiedOnlyOnAChangeOfCase) {
    EXPECT_TRUE(doc_.SetProfileName(""));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(doc_.SetProfileName("Shop"));
    EXPECT_TRUE(doc_.IsModified());
    doc_.SetModifiedFlag(false);
    doc_.SetProfileName("Shop");
    EXPECT_FALSE(doc_.IsModified());
    doc_.SetProfileName("SHOP");
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(doc_.GetProfileName(), "SHOP");
}

TEST_F(AucDocTest, SelectFolderBelowTheRootTakesTheFirstItemFolder) {
    MakeProfile(doc_);
    ASSERT_TRUE(doc_.SelectFolder(0));
    EXPECT_EQ(doc_.GetSelectedFolderId(), 151);  // the sample status
}

TEST_F(AucDocTest, SelectFolderInATreeOfHeadingsTakesTheLastNode) {
    doc_.EditFolders().AddNode(folder::Sample, folder::Root, folder::Root, 160);
    doc_.EditFolders().SetCurHeading(1);
    ASSERT_TRUE(doc_.SelectFolder(50));
    EXPECT_EQ(doc_.GetSelectedFolderId(), 160);
}

TEST_F(AucDocTest, SelectFolderMarksModifiedOnlyForAnotherFolder) {
    MakeProfile(doc_);
    doc_.SelectFolder(118);
    // Writing clears the parts' flags, leaving the document's own.
    gb::Archive ar = gb::Archive::ForStoring("p");
    doc_.Serialize(ar);
    doc_.SetModifiedFlag(false);
    ASSERT_FALSE(doc_.IsModified());
    EXPECT_TRUE(doc_.SelectFolder(118));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(doc_.SelectFolder(111));
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(AucDocTest, SelectUnknownFolderKeepsTheSelection) {
    MakeProfile(doc_);
    doc_.SelectFolder(118);
    EXPECT_FALSE(doc_.SelectFolder(999));
    EXPECT_EQ(doc_.GetSelectedFolderId(), 118);
}

// The selected folder is the document's own state: walking the tree moves
// the cursor and nothing else, and questions about the selected folder move
// nothing.
TEST_F(AucDocTest, TheSelectedFolderIsNotTheTreesCursor) {
    MakeProfile(doc_);
    doc_.SelectFolder(112);
    doc_.EditFolders().FindNode(folder::Root);
    ASSERT_NE(doc_.GetSelectedFolder(), nullptr);
    EXPECT_EQ(doc_.GetSelectedFolder()->id, 112);
    EXPECT_EQ(doc_.GetSelectedFilter(), doc_.GetFolders().GetFilter(112));
    EXPECT_EQ(doc_.GetFolders().GetCurId(), folder::Root);
}

TEST_F(AucDocTest, CheckFoldersNeedsANameAndASeller) {
    doc_.SetProfileName("Shop");
    EXPECT_FALSE(doc_.CheckFolders());
    EXPECT_EQ(doc_.EditFolders().GetCount(), 1);
    doc_.SetProfileName("");
    doc_.GetSellerList().AddSeller("bob", "eBay USA", "{USA}");
    EXPECT_FALSE(doc_.CheckFolders());
    doc_.SetProfileName("Shop");
    EXPECT_TRUE(doc_.CheckFolders());
    EXPECT_EQ(doc_.EditFolders().GetCount(), 20);
    CFolderTree& tree = doc_.EditFolders();
    tree.FindNode(folder::Root);
    EXPECT_EQ(tree.GetCurName(), "Shop");
    EXPECT_EQ(doc_.GetSelectedFolderId(), 151);
}

TEST_F(AucDocTest, CheckFoldersRenamesTheRootAndKeepsAnExistingTree) {
    MakeProfile(doc_);
    doc_.SelectFolder(118);
    doc_.SetProfileName("Renamed");
    EXPECT_TRUE(doc_.CheckFolders());
    EXPECT_EQ(doc_.EditFolders().GetCount(), 20);
    EXPECT_EQ(doc_.GetSelectedFolderId(), 118);
    CFolderTree& tree = doc_.EditFolders();
    tree.FindNode(folder::Root);
    EXPECT_EQ(tree.GetCurName(), "Renamed");
}

TEST_F(AucDocTest, UpdateAllViewsSkipsTheSender) {
    RecordingListener first;
    RecordingListener second;
    doc_.GetEvents().Add(&first);
    doc_.GetEvents().Add(&second);
    doc_.GetEvents().Add(&first);
    doc_.UpdateAllViews(&first, 7);
    EXPECT_TRUE(first.updates.empty());
    EXPECT_EQ(second.updates, (std::vector<RecordingListener::Update>{{&first, 7}}));
    doc_.GetEvents().Remove(&second);
    doc_.UpdateAllViews(nullptr, 3);
    EXPECT_EQ(first.updates.size(), 1u);
    EXPECT_EQ(second.updates.size(), 1u);
}

TEST_F(AucDocTest, CommandGoesToTheViewsInOrderUntilOneHandlesIt) {
    std::vector<std::string> asked;
    RecordingView sender({42}, &asked, "sender");
    RecordingView list({}, &asked, "list");
    RecordingView tree({42}, &asked, "tree");
    RecordingView web({42}, &asked, "web");
    for (RecordingView* view : {&sender, &list, &tree, &web}) {
        doc_.AddView(view);
    }
    EXPECT_TRUE(doc_.RouteCmdToAllViews(&sender, ViewCommand{42}));
    EXPECT_EQ(asked, (std::vector<std::string>{"list", "tree"}));
    asked.clear();
    EXPECT_FALSE(doc_.RouteCmdToAllViews(&sender, ViewCommand{43}));
    EXPECT_EQ(asked, (std::vector<std::string>{"list", "tree", "web"}));
}

TEST_F(AucDocTest, SaveThenOpenRestoresTheProfile) {
    MakeProfile(doc_);
    doc_.SelectFolder(112);
    CAucItem item;
    item.SetAuctionId("1001");
    doc_.GetItemList().AddItem(item, 103);
    const std::filesystem::path path = folder_ / "Shop.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(host_.profilePath, path);

    RecordingListener view;
    CAucDoc read;
    read.SetHost(&host_);
    read.GetEvents().Add(&view);
    ASSERT_TRUE(read.OnOpenDocument(path));
    EXPECT_EQ(read.GetProfileName(), "Shop");
    EXPECT_EQ(read.GetSelectedFolderId(), 112);
    EXPECT_EQ(read.GetSellerList(), doc_.GetSellerList());
    EXPECT_EQ(read.EditFolders(), doc_.EditFolders());
    EXPECT_TRUE(read.GetItemList().FindItem("", "1001", nullptr, 103));
    EXPECT_FALSE(read.IsModified());
    EXPECT_EQ(read.GetPathName(), path);
    EXPECT_EQ(read.GetTitle(), "Shop");
    EXPECT_EQ(host_.current, &read);
    EXPECT_EQ(host_.fileVersion, 272252);
    EXPECT_EQ(view.updates, (std::vector<RecordingListener::Update>{{nullptr, 1}}));
}

TEST_F(AucDocTest, SavedProfileIsReadableByItsOwnerOnly) {
    MakeProfile(doc_);
    const std::filesystem::path path = folder_ / "Shop.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(AucDocTest, SavingAProfileOpenedThroughALinkWritesTheLinkedFileAndKeepsTheLink) {
    MakeProfile(doc_);
    std::filesystem::create_directories(folder_ / "Profiles");
    const std::filesystem::path real = folder_ / "Profiles" / "Shop.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(real));
    const std::filesystem::path link = folder_ / "Shop.pro";
    std::filesystem::create_symlink(std::filesystem::path("Profiles") / "Shop.pro", link);

    CAucDoc read;
    ASSERT_TRUE(read.OnOpenDocument(link));
    read.SetProfileName("Renamed");
    ASSERT_TRUE(read.OnSaveDocument(link));

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    CAucDoc again;
    ASSERT_TRUE(again.OnOpenDocument(real));
    EXPECT_EQ(again.GetProfileName(), "Renamed");
}

TEST_F(AucDocTest, OpeningAProfileWithoutSellersSelectsTheRoot) {
    doc_.SetProfileName("Shop");
    doc_.EditFolders().AddNode(folder::Sample, folder::Root, folder::Root);
    doc_.SelectFolder(151);
    const std::filesystem::path path = folder_ / "NoSellers.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    CAucDoc read;
    ASSERT_TRUE(read.OnOpenDocument(path));
    EXPECT_EQ(read.GetSelectedFolderId(), 100);
}

TEST_F(AucDocTest, SaveCheckFoldersFirst) {
    MakeProfile(doc_, "First");
    doc_.SetProfileName("Second");
    const std::filesystem::path path = folder_ / "p.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    CAucDoc read;
    ASSERT_TRUE(read.OnOpenDocument(path));
    CFolderTree& tree = read.EditFolders();
    tree.FindNode(folder::Root);
    EXPECT_EQ(tree.GetCurName(), "Second");
}

struct OpenFailureCase {
    const char* name;
    std::string bytes;  // empty: no file at all
    const char* message;
};

void PrintTo(const OpenFailureCase& c, std::ostream* os) {
    *os << c.name;
}

class AucDocOpenFailureTest : public AucDocTest,
                              public ::testing::WithParamInterface<OpenFailureCase> {};

TEST_P(AucDocOpenFailureTest, LeavesTheOpenProfileAsItWasAndSaysWhy) {
    const OpenFailureCase& c = GetParam();
    MakeProfile(doc_);
    const std::filesystem::path good = folder_ / "good.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(good));
    ASSERT_TRUE(doc_.OnOpenDocument(good));
    const int folders = doc_.EditFolders().GetCount();
    RecordingListener view;
    doc_.GetEvents().Add(&view);

    const std::filesystem::path bad =
        c.bytes.empty() ? folder_ / "missing.pro" : folder_.Write("bad.pro", c.bytes);
    EXPECT_FALSE(doc_.OnOpenDocument(bad));
    EXPECT_EQ(prompts_.errors, std::vector<std::string>{c.message});
    EXPECT_EQ(doc_.GetProfileName(), "Shop");
    EXPECT_EQ(doc_.GetSellerList().GetCount(), 1);
    EXPECT_EQ(doc_.EditFolders().GetCount(), folders);
    EXPECT_EQ(doc_.GetPathName(), good);
    EXPECT_EQ(doc_.GetTitle(), "good");
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(host_.current, &doc_);
    EXPECT_EQ(host_.profilePath, good);
    EXPECT_TRUE(view.updates.empty());
    doc_.GetEvents().Remove(&view);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AucDocOpenFailureTest,
    ::testing::Values(OpenFailureCase{"Missing", "", "Failed to open document."},
                      OpenFailureCase{"NewerVersion", std::string("\x7D\x27\x04\x00", 4),
                                      "Unexpected file format."},
                      OpenFailureCase{"Truncated", std::string("\x7C\x27\x04\x00\x04Sh", 7),
                                      "Unexpected file format."}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(AucDocTest, FailedSaveIsReportedAndLeavesTheProfileModified) {
    MakeProfile(doc_);
    const std::filesystem::path path = folder_ / "no-such-folder" / "p.pro";
    EXPECT_FALSE(doc_.OnSaveDocument(path));
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0].rfind("Failed to save document.", 0), 0u);
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A save keeps the permissions the user gave the profile, and one the user
// made read-only is refused with a message naming it, the file untouched.
TEST_F(AucDocTest, SavingKeepsTheProfilesPermissionsAndRefusesAReadOnlyOne) {
    using std::filesystem::perms;
    MakeProfile(doc_);
    const std::filesystem::path path = folder_ / "p.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    EXPECT_EQ(std::filesystem::status(path).permissions(), perms::owner_read | perms::owner_write);
    const perms groupReads = perms::owner_read | perms::owner_write | perms::group_read;
    std::filesystem::permissions(path, groupReads);
    doc_.SetProfileName("Changed");
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    EXPECT_EQ(std::filesystem::status(path).permissions(), groupReads);

    std::filesystem::permissions(path, perms::owner_read);
    const std::optional<std::string> before = gb::ReadWholeFile(path);
    doc_.SetProfileName("Changed again");
    EXPECT_FALSE(doc_.OnSaveDocument(path));
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0], "Failed to save document.\n\"" + path.string() +
                                      "\" is read-only; it was not replaced.");
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(gb::ReadWholeFile(path), before);
    EXPECT_EQ(std::filesystem::status(path).permissions(), perms::owner_read);
}

TEST_F(AucDocTest, SaveModifiedSavesAProfileWithAFileWithoutAsking) {
    MakeProfile(doc_);
    const std::filesystem::path path = folder_ / "p.pro";
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    doc_.SetPathName(path);
    doc_.SetProfileName("Changed");
    EXPECT_TRUE(doc_.SaveModified());
    EXPECT_TRUE(prompts_.questions.empty());
    EXPECT_FALSE(doc_.IsModified());
    CAucDoc read;
    ASSERT_TRUE(read.OnOpenDocument(path));
    EXPECT_EQ(read.GetProfileName(), "Changed");
}

TEST_F(AucDocTest, SaveModifiedOfAnUnmodifiedProfileDoesNothing) {
    doc_.SetPathName(folder_ / "p.pro");
    EXPECT_TRUE(doc_.SaveModified());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "p.pro"));
    doc_.SetPathName({});
    EXPECT_TRUE(doc_.SaveModified());
    EXPECT_TRUE(prompts_.questions.empty());
}

struct QuestionCase {
    const char* name;
    DocumentPrompts::Answer answer;
    bool choosesPath;
    bool result;
    bool saved;
};

void PrintTo(const QuestionCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveModifiedQuestionTest : public AucDocTest,
                                 public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(SaveModifiedQuestionTest, AsksForAnUntitledProfile) {
    const QuestionCase& c = GetParam();
    MakeProfile(doc_);
    prompts_.answer = c.answer;
    const std::filesystem::path path = folder_ / "Chosen.pro";
    if (c.choosesPath) {
        prompts_.savePath = path;
    }
    EXPECT_EQ(doc_.SaveModified(), c.result);
    EXPECT_EQ(prompts_.questions, std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_EQ(std::filesystem::exists(path), c.saved);
    EXPECT_EQ(doc_.IsModified(), !c.saved);
    if (c.saved) {
        EXPECT_EQ(doc_.GetPathName(), path);
        EXPECT_EQ(doc_.GetTitle(), "Chosen");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveModifiedQuestionTest,
    ::testing::Values(QuestionCase{"Yes", DocumentPrompts::Answer::Yes, true, true, true},
                      QuestionCase{"YesThenNoPath", DocumentPrompts::Answer::Yes, false, false,
                                   false},
                      QuestionCase{"No", DocumentPrompts::Answer::No, true, true, false},
                      QuestionCase{"Cancel", DocumentPrompts::Answer::Cancel, true, false, false}),
    [](const auto& test) { return std::string(test.param.name); });

// Save As proposes a new profile under the name the user gave it, and a
// saved one under its file's name.
TEST_F(AucDocTest, SaveAsProposesTheProfilesNameOrItsFilesName) {
    MakeProfile(doc_, "Corner Curios");
    doc_.SetTitle("New Profile");
    EXPECT_FALSE(doc_.DoFileSave());
    prompts_.savePath = folder_ / "Curios 2026.pro";
    EXPECT_TRUE(doc_.DoSave(std::nullopt));
    EXPECT_TRUE(doc_.DoSave(std::nullopt));
    EXPECT_EQ(prompts_.pathRequests,
              (std::vector<std::string>{"Corner Curios", "Corner Curios", "Curios 2026"}));
}

TEST_F(AucDocTest, SaveModifiedQuestionNamesTheTitle) {
    MakeProfile(doc_);
    doc_.SetTitle("MyProfile");
    doc_.SaveModified();
    EXPECT_EQ(prompts_.questions, std::vector<std::string>{"Save changes to MyProfile?"});
}

TEST_F(AucDocTest, WithoutPromptsAnUntitledModifiedProfileStaysOpen) {
    CAucDoc doc;
    MakeProfile(doc);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AucDocTest, DeleteContentsEmptiesTheProfileAndLeavesNoCurrentDocument) {
    MakeProfile(doc_);
    doc_.GetItemList().AddItem(CAucItem(), 102);
    host_.current = &doc_;
    doc_.DeleteContents();
    EXPECT_EQ(host_.current, nullptr);
    EXPECT_EQ(doc_.GetProfileName(), "");
    EXPECT_EQ(doc_.GetSellerList().GetCount(), 0);
    EXPECT_EQ(doc_.EditFolders().GetCount(), 1);
    EXPECT_FALSE(doc_.GetItemList().FindItem("", "NEW ITEM"));
    // The counter of folder ids carries on.
    EXPECT_EQ(doc_.EditFolders().GetNextFolderId(), 156);
}

}  // namespace
