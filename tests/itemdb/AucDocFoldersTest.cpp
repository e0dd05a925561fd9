#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "itemdb/AucDoc.h"

using namespace gb::itemdb;

namespace {

constexpr int kNoFilter = -1;
constexpr const char* kColumns =
    "-ABCDEFGHIJKL - We subtact '!' to get column numbers. The first column specifies the "
    "number of cols.";
constexpr const char* kProductPage = "https://www.norvel-software.example/gavelbook/";

// One folder as the tree should hold it.
struct FolderRow {
    std::int32_t id;
    std::int32_t kind;
    std::int32_t type;
    std::int32_t parent;
    std::string name;
    std::int32_t heading;
    std::int32_t fixed;
    std::string description;
    std::string data;
    // The filter: state mask (kNoFilter for none), bids, one status, one
    // category, one storage folder (0: none).
    std::int32_t mask;
    std::int32_t bids = 0;
    std::int32_t status = 0;
    std::int32_t category = 0;
    std::int32_t storage = 0;
};

void ExpectFolder(CFolderTree& tree, const FolderRow& row) {
    SCOPED_TRACE("folder " + std::to_string(row.id) + " " + row.name);
    EXPECT_EQ(tree.GetCurId(), row.id);
    EXPECT_EQ(tree.GetCurKind(), row.kind);
    EXPECT_EQ(tree.GetCurType(), row.type);
    EXPECT_EQ(tree.GetCurParent(), row.parent);
    EXPECT_EQ(tree.GetCurName(), row.name);
    EXPECT_EQ(tree.IsCurHeading(), row.heading);
    EXPECT_EQ(tree.IsCurFixed(), row.fixed);
    EXPECT_EQ(tree.GetCurDescription(), row.description);
    EXPECT_EQ(tree.GetCurColumnsOrURL(), row.data);
    const CItemFilter* filter = tree.GetCurFilter();
    if (row.mask == kNoFilter) {
        EXPECT_EQ(filter, nullptr);
        return;
    }
    ASSERT_NE(filter, nullptr);
    CItemFilter expected;
    expected.SetStateMask(row.mask);
    expected.SetBids(row.bids);
    expected.AddStatus(row.status);
    expected.AddCategory(row.category);
    if (row.storage != 0) {
        expected.AddFolder(row.storage);
    }
    EXPECT_EQ(*filter, expected);
}

// Walks the chain from `startId` and checks the rows in order; the cursor
// stays on the last.
void ExpectChain(CFolderTree& tree, std::int32_t startId, const std::vector<FolderRow>& rows) {
    ASSERT_TRUE(tree.FindNode(startId));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            ASSERT_TRUE(tree.MoveNext()) << "chain ends before " << rows[i].name;
        }
        ExpectFolder(tree, rows[i]);
    }
}

class AucDocFoldersTest : public ::testing::Test {
protected:
    AucDocFoldersTest() {
        doc_.SetProfileName("Shop");
        doc_.GetSellerList().AddSeller("bob", "eBay USA", "{USA}");
    }

    CFolderTree& Tree() { return tree_; }

    CAucDoc doc_;
    CFolderTree& tree_ = doc_.EditFolders();
};

TEST_F(AucDocFoldersTest, DefaultTreeHasItsFoldersInChainOrder) {
    EXPECT_EQ(doc_.CreateDefaultFolders(), 121);
    EXPECT_EQ(Tree().GetCount(), 20);
    EXPECT_EQ(Tree().GetNextFolderId(), 156);
    // clang-format off
    const std::vector<FolderRow> rows = {
        {100, 100, 100, 0, "Shop", 1, 1, "", "", kNoFilter},
        {104, 104, 104, 100, "By Status", 1, 1, "", "", 15},
        {151, 127, 104, 104, "Sample - Rename this", 0, 0,
         "Add your own status - Payment Pending, To Be Shipped, etc.", kColumns, 2, 0, 151},
        {105, 105, 105, 100, "By Category", 1, 1, "", "", 15},
        {152, 127, 105, 105, "Sample - Rename this", 0, 0,
         "Sample Category - add your own item categories", kColumns, 7, 0, 0, 152},
        {106, 106, 106, 100, "Reports", 1, 1, "", "", 15},
        {118, 118, 106, 106, "Search Results", 0, 1, "Items matching most recent search criteria",
         kColumns, 15},
        {153, 127, 106, 106, "Sample - Rename this", 0, 0, "", kColumns, 15},
        {110, 110, 110, 100, "Deleted Items", 1, 1, "", "", 15},
        {154, 111, 110, 110, "All Items", 0, 1, "Items to delete when the program exits", kColumns,
         8},
        {107, 107, 107, 100, "Archive", 1, 1, "", "", 15},
        {111, 111, 107, 107, "All Items", 0, 1, "Items that have been recently archived", kColumns,
         4},
        {112, 112, 107, 107, "Bids", 0, 1, "Recently archived with bids", kColumns, 4, 112},
        {113, 113, 107, 107, "No Bids", 0, 1, "Recently archived with no bids", kColumns, 4, 113},
        {108, 108, 108, 100, "Web Sites", 1, 1, "", "", kNoFilter},
        {155, 127, 108, 108, "Sample - Rename this", 0, 0, "Sample Website - bookmark useful sites",
         kProductPage, 15},
        {119, 119, 119, 100, "User Guide", 1, 1, "", "", 15},
        {114, 114, 119, 119, "Contents", 0, 1, "", "res://Vellumark.dll/102", 15},
        {115, 115, 119, 119, "Quick Start", 0, 1, "", "res://Vellumark.dll/101", 15},
        {121, 121, 119, 119, "Version Updates", 0, 1, "", "res://Vellumark.dll/108", 15},
    };
    // clang-format on
    ExpectChain(Tree(), folder::Root, rows);
    EXPECT_FALSE(Tree().MoveNext());
}

TEST_F(AucDocFoldersTest, SellerFolderStandsRightAfterTheRoot) {
    doc_.CreateDefaultFolders();
    const int before = Tree().GetCount();
    const std::int32_t seller = doc_.CreateSellerFolder("bob - USA");
    EXPECT_EQ(seller, 156);
    EXPECT_EQ(Tree().GetCount(), before + 11);
    // clang-format off
    const std::vector<FolderRow> rows = {
        {100, 100, 100, 0, "Shop", 1, 1, "", "", kNoFilter},
        {156, 127, 101, 100, "bob - USA", 1, 0, "", "", 15},
        {157, 116, 101, 156, "Needs Attention", 0, 1, "Please select a status for these items",
         kColumns, 2, 0, 116, 0, 156},
        {158, 117, 101, 156, "No Category", 0, 1,
         "Items that have not been assigned to any categories", kColumns, 7, 0, 0, 117, 156},
        {159, 102, 102, 156, "In Progress", 1, 1, "", "", 15},
        {161, 111, 102, 159, "All Items", 0, 1, "Auctions in progress", kColumns, 1, 0, 0, 0, 156},
        {162, 112, 102, 159, "Bids", 0, 1, "Auctions with bids", kColumns, 1, 112, 0, 0, 156},
        {163, 113, 102, 159, "No Bids", 0, 1, "Auctions waiting for bids", kColumns, 1, 113, 0, 0,
         156},
        {160, 103, 102, 156, "Auction Ended", 1, 1, "", "", 15},
        {164, 111, 103, 160, "All Items", 0, 1, "Auctions that have ended", kColumns, 2, 0, 0, 0,
         156},
        {165, 112, 103, 160, "Bids", 0, 1, "Auctions ended with success", kColumns, 2, 112, 0, 0,
         156},
        {166, 113, 103, 160, "No Bids", 0, 1, "Auctions ended with no bids", kColumns, 2, 113, 0,
         0, 156},
    };
    // clang-format on
    ExpectChain(Tree(), folder::Root, rows);
    ASSERT_TRUE(Tree().MoveNext());
    EXPECT_EQ(Tree().GetCurId(), folder::ByStatus);
}

TEST_F(AucDocFoldersTest, NewestSellerFolderComesFirst) {
    const std::int32_t first = doc_.CreateSellerFolder("first");
    const std::int32_t second = doc_.CreateSellerFolder("second");
    ASSERT_TRUE(Tree().FindNode(folder::Root));
    ASSERT_TRUE(Tree().MoveNext());
    EXPECT_EQ(Tree().GetCurId(), second);
    EXPECT_EQ(second, first + 11);
}

TEST_F(AucDocFoldersTest, EnsureSellerFoldersMakesEachFolderOnce) {
    doc_.GetSellerList().AddSeller(std::string(62, 'x'), "eBay USA", "{USA}");
    doc_.GetSellerList().SetCurrent(0);
    doc_.EnsureSellerFolders();
    const int count = Tree().GetCount();
    EXPECT_EQ(count, 20 + 2 * 11);
    doc_.EnsureSellerFolders();
    EXPECT_EQ(Tree().GetCount(), count);

    CSellerList& sellers = doc_.GetSellerList();
    EXPECT_EQ(sellers.GetCurrent(), 0);
    for (int i = 0; i < sellers.GetCount(); ++i) {
        sellers.SetCurrent(i);
        ASSERT_TRUE(Tree().FindNode(sellers.GetFolderId()));
        EXPECT_EQ(Tree().GetCurName(), sellers.GetDisplayName());
        EXPECT_EQ(Tree().GetCurKind(), folder::Sample);
    }
}

// A new profile opens on its first seller's folder, not on the sample status
// folder that stood first while there were no seller folders; even when a save
// had checked the folders before. A folder the user chose stays chosen.
TEST_F(AucDocFoldersTest, ANewProfilesSelectionIsItsFirstSellersFolder) {
    for (const bool savedFirst : {false, true}) {
        SCOPED_TRACE(savedFirst ? "checked by a save first" : "seller folders at once");
        CAucDoc doc;
        doc.SetProfileName("Shop");
        doc.GetSellerList().AddSeller("bob", "eBay USA", "{USA}");
        doc.GetSellerList().AddSeller("ann", "eBay UK", "{UK}");
        if (savedFirst) {
            doc.CheckFolders();
            EXPECT_EQ(doc.GetSelectedFolderId(), 151);  // the sample status folder
        }
        doc.EnsureSellerFolders();
        doc.GetSellerList().SetCurrent(0);
        const std::int32_t seller = doc.GetSellerList().GetFolderId();
        const CFolderNode* selected = doc.GetSelectedFolder();
        ASSERT_NE(selected, nullptr);
        EXPECT_EQ(selected->parentId, seller);
        EXPECT_EQ(selected->kind, folder::NeedsAttention);
    }

    doc_.EnsureSellerFolders();
    ASSERT_TRUE(doc_.SelectFolder(folder::AllItems));
    doc_.GetSellerList().AddSeller("ann", "eBay UK", "{UK}");
    doc_.EnsureSellerFolders();
    EXPECT_EQ(doc_.GetSelectedFolderId(), folder::AllItems);
}

TEST_F(AucDocFoldersTest, EnsureSellerFoldersMakesANewFolderAfterARename) {
    doc_.EnsureSellerFolders();
    const std::int32_t old = doc_.GetSellerList().GetFolderId();
    ASSERT_TRUE(Tree().FindNode(old));
    Tree().SetCurName("My own name");
    doc_.EnsureSellerFolders();
    EXPECT_NE(doc_.GetSellerList().GetFolderId(), old);
    EXPECT_TRUE(Tree().FindNode(old));
}

TEST_F(AucDocFoldersTest, EnsureSellerFoldersDoesNothingWithoutAProfileName) {
    doc_.SetProfileName("");
    doc_.EnsureSellerFolders();
    EXPECT_EQ(Tree().GetCount(), 1);
    EXPECT_EQ(doc_.GetSellerList().GetFolderId(), 0);
}

// Items for the folder deletions.
CAucItem Item(std::string_view id, std::int32_t storage, std::int32_t status,
              std::initializer_list<std::int32_t> categories = {}) {
    CAucItem item;
    item.SetSite("eBay USA");
    item.SetAuctionId(id);
    item.SetFolderId(storage);
    item.SetStatus(status, true);
    for (const std::int32_t category : categories) {
        item.AddCategory(category);
    }
    return item;
}

class FolderDeletionTest : public AucDocFoldersTest {
protected:
    FolderDeletionTest() { doc_.EnsureSellerFolders(); }

    void Add(const CAucItem& item, std::int32_t list) {
        ASSERT_TRUE(doc_.GetItemList().AddItem(item, list));
    }
    const CAucItem* Find(std::string_view id, std::int32_t list) {
        CItemList::ListPos position;
        if (!doc_.GetItemList().FindItem("eBay USA", id, &position, list)) {
            return nullptr;
        }
        return doc_.GetItemList().GetItem(position);
    }
};

TEST_F(FolderDeletionTest, DeletingAStatusFolderSendsItsEndedItemsToNeedsAttention) {
    Add(Item("1", 101, 151), 103);
    Add(Item("2", 101, 102), 103);
    Add(Item("3", 101, 151), 102);
    Add(Item("4", 101, 151), 107);
    Add(Item("5", 101, 152), 103);
    ASSERT_TRUE(Tree().FindNode(151));
    Tree().AddNode(folder::Sample, 151, 151);  // a sub-folder goes too

    EXPECT_TRUE(doc_.DeleteStatusFolder(151));
    EXPECT_EQ(Find("1", 103)->GetStatus(), folder::NeedsAttention);
    EXPECT_EQ(Find("2", 103)->GetStatus(), folder::InProgress);
    EXPECT_EQ(Find("3", 102)->GetStatus(), 151);
    EXPECT_EQ(Find("4", 107)->GetStatus(), 151);
    EXPECT_EQ(Find("5", 103)->GetStatus(), 152);
    EXPECT_FALSE(Tree().FindNode(151));
    EXPECT_EQ(Tree().GetCount(), 20 + 11 - 1);
}

TEST_F(FolderDeletionTest, DeletingACategoryFolderTakesTheCategoryFromItemsInEveryState) {
    Add(Item("1", 101, 116, {152, 160}), 102);
    Add(Item("2", 101, 116, {152}), 103);
    Add(Item("3", 101, 116, {152}), 107);
    Add(Item("4", 101, 116, {152}), 110);
    Add(Item("5", 101, 116, {160}), 103);

    EXPECT_TRUE(doc_.DeleteCategoryFolder(152));
    EXPECT_EQ(std::vector<std::int32_t>(Find("1", 102)->GetCategories().begin(),
                                        Find("1", 102)->GetCategories().end()),
              std::vector<std::int32_t>{160});
    EXPECT_FALSE(Find("2", 103)->HasCategory(152));
    EXPECT_FALSE(Find("3", 107)->HasCategory(152));
    EXPECT_FALSE(Find("4", 110)->HasCategory(152));
    EXPECT_TRUE(Find("5", 103)->HasCategory(160));
    EXPECT_FALSE(Tree().FindNode(152));
}

TEST_F(FolderDeletionTest, DeletingASellerFolderDeletesItsCurrentItemsOnly) {
    const std::int32_t seller = doc_.GetSellerList().GetFolderId();
    Add(Item("1", seller, 102), 102);
    Add(Item("2", seller, 116), 103);
    Add(Item("3", seller, 116), 107);
    Add(Item("4", 101, 116), 103);
    const int before = Tree().GetCount();

    EXPECT_TRUE(doc_.DeleteSellerFolder(seller));
    EXPECT_NE(Find("1", 110), nullptr);
    EXPECT_NE(Find("2", 110), nullptr);
    EXPECT_EQ(Find("1", 102), nullptr);
    EXPECT_NE(Find("3", 107), nullptr);
    EXPECT_NE(Find("4", 103), nullptr);
    EXPECT_EQ(Tree().GetCount(), before - 11);
}

// The items are treated whether or not the folder is still in the tree; the
// result is the tree's answer.
TEST_F(FolderDeletionTest, DeletingAFolderThatIsNotInTheTreeStillTreatsItsItems) {
    Add(Item("1", 170, 116), 103);
    Add(Item("2", 101, 171), 103);
    Add(Item("3", 101, 116, {172}), 107);
    const int before = Tree().GetCount();

    EXPECT_FALSE(doc_.DeleteSellerFolder(170));
    EXPECT_NE(Find("1", 110), nullptr);
    EXPECT_FALSE(doc_.DeleteStatusFolder(171));
    EXPECT_EQ(Find("2", 103)->GetStatus(), folder::NeedsAttention);
    EXPECT_FALSE(doc_.DeleteCategoryFolder(172));
    EXPECT_FALSE(Find("3", 107)->HasCategory(172));
    EXPECT_EQ(Tree().GetCount(), before);
}

}  // namespace
