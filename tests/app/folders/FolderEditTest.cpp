// Editing folders from the tree: the editor each folder gets, storing the
// folder dialog's values, and the selection after a folder is deleted.

#include <gtest/gtest.h>

#include "app/core/FolderEditing.h"
#include "app/core/folders/FolderEdit.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;
using gb::app::FolderEditor;
using gb::app::FolderEditValues;

namespace {

class FolderEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.OnNewDocument();
        document.SetProfileName("Demo");
        document.GetSellerList().AddSeller("joe", "eBay USA",
                                           "{00000000-0000-0000-0000-000000000001}");
        document.EnsureSellerFolders();
    }
    std::int32_t ChildOf(std::int32_t parent, std::int32_t kind) {
        CFolderTree& tree = document.EditFolders();
        tree.FindNode(folder::Root);
        do {
            if (tree.GetCurParent() == parent && tree.GetCurKind() == kind) {
                return tree.GetCurId();
            }
        } while (tree.MoveNext());
        return 0;
    }

    CAucDoc document;
};

TEST(FolderEditorTest, EachFolderGetsItsEditor) {
    EXPECT_EQ(gb::app::EditorFor(160, folder::Reports, false), FolderEditor::ReportSheet);
    EXPECT_EQ(gb::app::EditorFor(folder::SearchResults, folder::Reports, false),
              FolderEditor::Columns);
    EXPECT_EQ(gb::app::EditorFor(161, folder::Reports, true), FolderEditor::Columns);
    EXPECT_EQ(gb::app::EditorFor(162, folder::WebSites, false), FolderEditor::WebLink);
    EXPECT_EQ(gb::app::EditorFor(114, folder::UserGuide, false), FolderEditor::WebLink);
    EXPECT_EQ(gb::app::EditorFor(163, folder::ByStatus, false), FolderEditor::Columns);
}

TEST_F(FolderEditTest, AFixedFolderKeepsItsNameButTakesItsColumns) {
    ASSERT_TRUE(gb::app::StoreFolderEdit(document.EditFolders(), folder::SearchResults,
                                         {"Found", "Anything", "#AB", false}));
    const auto stored = gb::app::ReadFolderEdit(document.EditFolders(), folder::SearchResults);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name, "Search Results");
    EXPECT_EQ(stored->description, "Items matching most recent search criteria");
    EXPECT_EQ(stored->columnSet, "#AB");
    EXPECT_TRUE(stored->fixed);
}

TEST_F(FolderEditTest, TheNameFollowsTheLabelRule) {
    const std::int32_t sample = ChildOf(folder::ByStatus, folder::Sample);
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(gb::app::StoreFolderEdit(tree, sample, {"", "Paid", "!", false}));
    EXPECT_EQ(gb::app::ReadFolderEdit(tree, sample)->name, "Sample - Rename this");
    ASSERT_TRUE(gb::app::StoreFolderEdit(tree, sample, {std::string(80, 'n'), "Paid", "!", false}));
    EXPECT_EQ(gb::app::ReadFolderEdit(tree, sample)->name, std::string(59, 'n'));
    EXPECT_FALSE(gb::app::StoreFolderEdit(tree, 999, {"x", "", "!", false}));
}

TEST_F(FolderEditTest, DeletingTheSelectedFolderSelectsItsParent) {
    const std::int32_t status = ChildOf(folder::ByStatus, folder::Sample);
    ASSERT_TRUE(document.SelectFolder(status));
    ASSERT_TRUE(gb::app::DeleteFolder(document, status, folder::ByStatus));
    EXPECT_EQ(document.GetSelectedFolderId(), folder::ByStatus);
}

TEST_F(FolderEditTest, DeletingAFolderAroundTheSelectedOneSelectsItsParent) {
    const std::int32_t seller = ChildOf(folder::Root, folder::Sample);
    const std::int32_t attention = ChildOf(seller, folder::NeedsAttention);
    ASSERT_TRUE(document.SelectFolder(attention));
    ASSERT_TRUE(gb::app::DeleteFolder(document, seller, folder::Auctions));
    EXPECT_EQ(document.GetSelectedFolderId(), folder::Root);
}

TEST_F(FolderEditTest, DeletingAnotherFolderKeepsTheSelection) {
    const std::int32_t category = ChildOf(folder::ByCategory, folder::Sample);
    ASSERT_TRUE(document.SelectFolder(folder::SearchResults));
    ASSERT_TRUE(gb::app::DeleteFolder(document, category, folder::ByCategory));
    EXPECT_EQ(document.GetSelectedFolderId(), folder::SearchResults);
    EXPECT_FALSE(gb::app::DeleteFolder(document, category, folder::ByCategory));
}

}  // namespace
