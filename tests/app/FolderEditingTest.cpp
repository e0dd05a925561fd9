// The folder commands on the profile: new folders beside the current one,
// grouping folders, and deleting with the question asked first.

#include <gtest/gtest.h>

#include "app/core/FolderEditing.h"
#include "itemdb/AucDoc.h"
#include "itemdb/AucItem.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace {

class FolderEditingTest : public ::testing::Test {
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

TEST_F(FolderEditingTest, ANewStatusListsEndedItemsWithThatStatus) {
    const std::int32_t sample = ChildOf(folder::ByStatus, folder::Sample);
    const auto added = gb::app::AddFolderBeside(document.EditFolders(), sample);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->parentId, folder::ByStatus);
    EXPECT_EQ(added->type, folder::ByStatus);
    EXPECT_FALSE(added->heading);
    EXPECT_EQ(added->name, "Sample - Rename this");
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(added->id));
    EXPECT_EQ(tree.GetCurKind(), folder::Sample);
    EXPECT_EQ(tree.GetCurColumnsOrURL().substr(0, 13), "-ABCDEFGHIJKL");
    EXPECT_EQ(tree.GetCurFilter()->GetStateMask(), 2);
    EXPECT_TRUE(tree.GetCurFilter()->HasStatus(added->id));
}

TEST_F(FolderEditingTest, ANewFolderInsideAHeadingIsItsChild) {
    const auto added = gb::app::AddFolderBeside(document.EditFolders(), folder::ByCategory);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->parentId, folder::ByCategory);
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(added->id));
    EXPECT_EQ(tree.GetCurFilter()->GetStateMask(), 7);
    EXPECT_TRUE(tree.GetCurFilter()->HasCategory(added->id));
}

TEST_F(FolderEditingTest, ANewWebSiteGetsTheMakersPage) {
    const std::int32_t sample = ChildOf(folder::WebSites, folder::Sample);
    const auto added = gb::app::AddFolderBeside(document.EditFolders(), sample);
    ASSERT_TRUE(added);
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(added->id));
    EXPECT_EQ(tree.GetCurColumnsOrURL().rfind("https://", 0), 0u);
}

TEST_F(FolderEditingTest, GroupingFoldersOnlyAmongCategoriesReportsAndWebSites) {
    EXPECT_FALSE(
        gb::app::AddGroupFolder(document.EditFolders(), ChildOf(folder::ByStatus, folder::Sample)));
    const auto added = gb::app::AddGroupFolder(document.EditFolders(), folder::Reports);
    ASSERT_TRUE(added);
    EXPECT_TRUE(added->heading);
    EXPECT_EQ(added->name, "New Folder");
    EXPECT_EQ(added->parentId, folder::Reports);
    EXPECT_FALSE(gb::app::AddFolderBeside(document.EditFolders(), 9999));
}

TEST_F(FolderEditingTest, EachGroupAsksItsOwnQuestion) {
    EXPECT_EQ(gb::app::DeleteQuestion(folder::Auctions, true, "joe"),
              "Do you want to delete folder 'joe'?  Any items that are in this folder will be "
              "moved to the 'Deleted Items' folder.");
    EXPECT_EQ(gb::app::DeleteQuestion(folder::ByCategory, false, "Toys")
                  ->rfind("Do you want to delete category 'Toys'?", 0),
              0u);
    EXPECT_EQ(gb::app::DeleteQuestion(folder::Reports, false, "Sales")
                  ->rfind("Do you want to remove report 'Sales'?", 0),
              0u);
    EXPECT_EQ(gb::app::DeleteQuestion(folder::Reports, true, "Old")
                  ->rfind("Do you want to remove the folder 'Old' and any reports", 0),
              0u);
    EXPECT_FALSE(gb::app::DeleteQuestion(folder::WebSites, false, "Site"));
}

TEST_F(FolderEditingTest, DeletingASellerFolderMovesItsItemsToDeletedItems) {
    document.GetSellerList().SetCurrent(0);
    const std::int32_t seller = document.GetSellerList().GetFolderId();
    CAucItem item;
    item.SetSite("eBay USA");
    item.SetAuctionId("555");
    item.SetFolderId(seller);
    ASSERT_TRUE(document.GetItemList().AddItem(item, folder::InProgress));

    EXPECT_TRUE(gb::app::DeleteFolder(document, seller, folder::Auctions));
    EXPECT_FALSE(document.EditFolders().FindNode(seller));
    EXPECT_TRUE(document.GetItemList().FindItem("eBay USA", "555", nullptr, folder::DeletedItems));
    EXPECT_FALSE(gb::app::DeleteFolder(document, seller, folder::Auctions));
}

}  // namespace
