#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "itemdb/FolderTree.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

// The ids of the tree's nodes in chain order.
std::vector<std::int32_t> ChainIds(CFolderTree& tree) {
    std::vector<std::int32_t> ids;
    tree.FindNode(folder::Root);
    do {
        ids.push_back(tree.GetCurId());
    } while (tree.MoveNext());
    return ids;
}

// A small tree:
//   root
//     A (151)
//       A1 (152)
//         A1x (153)
//       A2 (154)
//     B (155)
//       B1 (156)
CFolderTree SmallTree() {
    CFolderTree tree;
    tree.AddNode(folder::Sample, folder::Root, folder::Root);  // A
    tree.AddNode(folder::Sample, 151, 151);                    // A1
    tree.AddNode(folder::Sample, 152, 152);                    // A1x
    tree.AddNode(folder::Sample, 151, 153);                    // A2
    tree.AddNode(folder::WebSites, folder::Root, 154);         // B, no filter
    tree.AddNode(folder::Sample, 155, 155);                    // B1
    return tree;
}

// Every node's filter index is -1 or a distinct index into the filters, and
// the chain reaches every node once.
void ExpectConsistent(CFolderTree& tree, int filters) {
    const std::vector<std::int32_t> ids = ChainIds(tree);
    EXPECT_EQ(static_cast<int>(ids.size()), tree.GetCount());
    int withFilter = 0;
    for (const std::int32_t id : ids) {
        ASSERT_TRUE(tree.FindNode(id));
        withFilter += tree.GetCurFilter() != nullptr ? 1 : 0;
    }
    EXPECT_EQ(withFilter, filters);
    // The filters are still told apart: the archive holds exactly one per node.
    gb::Archive ar = gb::Archive::ForStoring("tree");
    tree.Serialize(ar);
    gb::Archive in = gb::Archive::ForLoading(ar.Bytes(), "tree");
    CFolderTree copy;
    EXPECT_NO_THROW(copy.Serialize(in));
}

TEST(FolderTree, NewTreeHoldsOnlyTheRoot) {
    CFolderTree tree;
    EXPECT_EQ(tree.GetCount(), 1);
    EXPECT_EQ(tree.GetNextFolderId(), 151);
    EXPECT_EQ(tree.GetCurId(), folder::Root);
    EXPECT_EQ(tree.GetCurKind(), folder::Root);
    EXPECT_EQ(tree.GetCurType(), folder::Root);
    EXPECT_EQ(tree.GetCurParent(), 0);
    EXPECT_EQ(tree.GetCurName(), "New Profile");
    EXPECT_EQ(tree.IsCurHeading(), 1);
    EXPECT_EQ(tree.IsCurFixed(), 1);
    EXPECT_EQ(tree.GetCurFilter(), nullptr);
    EXPECT_FALSE(tree.IsModified());
    EXPECT_FALSE(tree.MoveNext());
}

TEST(FolderTree, AddNodeNumbersAutomaticallyOrTakesTheGivenId) {
    CFolderTree tree;
    EXPECT_EQ(tree.AddNode(folder::Sample, folder::Root, folder::Root), 151);
    EXPECT_EQ(tree.AddNode(folder::Sample, folder::Root, 151), 152);
    EXPECT_EQ(tree.AddNode(folder::SearchResults, folder::Root, 152, folder::SearchResults), 118);
    EXPECT_EQ(tree.GetNextFolderId(), 153);
    EXPECT_TRUE(tree.IsModified());
}

TEST(FolderTree, NewNodeTakesKindAsTypeAndTheNameNew) {
    CFolderTree tree;
    const std::int32_t id = tree.AddNode(folder::ByStatus, folder::Root, folder::Root);
    EXPECT_EQ(tree.GetCurId(), id);
    EXPECT_EQ(tree.GetCurKind(), folder::ByStatus);
    EXPECT_EQ(tree.GetCurType(), folder::ByStatus);
    EXPECT_EQ(tree.GetCurParent(), folder::Root);
    EXPECT_EQ(tree.GetCurName(), "New");
    EXPECT_EQ(tree.GetCurDescription(), "");
    EXPECT_EQ(tree.GetCurColumnsOrURL(), "");
    EXPECT_EQ(tree.IsCurHeading(), 0);
    EXPECT_EQ(tree.IsCurFixed(), 0);
    ASSERT_NE(tree.GetCurFilter(), nullptr);
    EXPECT_EQ(*tree.GetCurFilter(), CItemFilter());
}

TEST(FolderTree, OnlyWebSiteKindGoesWithoutFilter) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.FindNode(155));
    EXPECT_EQ(tree.GetCurFilter(), nullptr);
    // The node added after it gets the next filter index, not a gap.
    ASSERT_TRUE(tree.FindNode(156));
    CItemFilter marked;
    marked.SetBids(folder::Bids);
    tree.SetCurFilter(marked);
    ASSERT_TRUE(tree.FindNode(154));
    EXPECT_EQ(tree.GetCurFilter()->GetBids(), 0);
    ASSERT_TRUE(tree.FindNode(156));
    EXPECT_EQ(tree.GetCurFilter()->GetBids(), folder::Bids);
}

TEST(FolderTree, ChainIsDepthFirstInDisplayOrder) {
    CFolderTree tree = SmallTree();
    EXPECT_EQ(ChainIds(tree), (std::vector<std::int32_t>{100, 151, 152, 153, 154, 155, 156}));
}

TEST(FolderTree, AddNodeWithUnknownInsertAfterGoesAfterTheParent) {
    CFolderTree tree = SmallTree();
    tree.AddNode(folder::Sample, 155, 999);
    EXPECT_EQ(ChainIds(tree), (std::vector<std::int32_t>{100, 151, 152, 153, 154, 155, 157, 156}));
}

TEST(FolderTree, DepthCountsAncestors) {
    CFolderTree tree = SmallTree();
    const std::pair<std::int32_t, int> cases[] = {{100, 0}, {151, 1}, {152, 2}, {153, 3}, {156, 2}};
    for (const auto& [id, depth] : cases) {
        ASSERT_TRUE(tree.FindNode(id));
        EXPECT_EQ(tree.GetCurDepth(), depth) << id;
        EXPECT_EQ(tree.GetCurId(), id);
    }
}

// Depths and ids are looked up through an index that deleting (which moves
// nodes in the array), adding and loading must keep up to date.
TEST(FolderTree, DepthAndIdsFollowDeletesAddsAndLoads) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.DeleteNode(151));
    const std::int32_t added = tree.AddNode(folder::Sample, 156, 156);
    gb::Archive stored = gb::Archive::ForStoring("tree");
    tree.Serialize(stored);
    CFolderTree loaded;
    gb::Archive ar = gb::Archive::ForLoading(stored.Bytes(), "tree");
    loaded.Serialize(ar);
    for (CFolderTree* t : {&tree, &loaded}) {
        const std::pair<std::int32_t, int> cases[] = {{100, 0}, {155, 1}, {156, 2}, {added, 3}};
        for (const auto& [id, depth] : cases) {
            ASSERT_TRUE(t->FindNode(id)) << id;
            EXPECT_EQ(t->GetCurDepth(), depth) << id;
        }
        EXPECT_FALSE(t->FindNode(152));
        EXPECT_EQ(t->FolderName(153), std::nullopt);
    }
}

TEST(FolderTree, AddNodeRefusesAFolderWithoutParent) {
    CFolderTree tree;
    EXPECT_EQ(tree.AddNode(folder::Sample, 151, folder::Root, 151), 0);
    EXPECT_EQ(tree.AddNode(folder::Sample, 0, folder::Root), 0);
    EXPECT_EQ(tree.GetCount(), 1);
    EXPECT_FALSE(tree.IsModified());
}

TEST(FolderTree, AddNodeNeverRepeatsAnId) {
    CFolderTree tree;
    EXPECT_EQ(tree.AddNode(folder::SearchResults, folder::Root, folder::Root, 118), 118);
    EXPECT_EQ(tree.AddNode(folder::SearchResults, folder::Root, 118, 118), 151);
    EXPECT_EQ(tree.AddNode(folder::Sample, folder::Root, 151, 152), 152);
    EXPECT_EQ(tree.AddNode(folder::Sample, folder::Root, 152), 153);
    // The tree is still one that loading takes.
    gb::Archive out = gb::Archive::ForStoring("tree");
    tree.Serialize(out);
    gb::Archive in = gb::Archive::ForLoading(out.Bytes(), "tree");
    CFolderTree read;
    EXPECT_NO_THROW(read.Serialize(in));
}

TEST(FolderTree, FindNodeOfUnknownIdKeepsTheCursor) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.FindNode(152));
    EXPECT_FALSE(tree.FindNode(999));
    EXPECT_EQ(tree.GetCurId(), 152);
}

TEST(FolderTree, TextsAreCutToTheirFields) {
    CFolderTree tree;
    tree.SetCurName(std::string(80, 'n'));
    tree.SetCurDescription(std::string(300, 'd'));
    tree.SetCurColumnsOrURL(std::string(300, 'c'));
    EXPECT_EQ(tree.GetCurName(), std::string(59, 'n'));
    EXPECT_EQ(tree.GetCurDescription(), std::string(253, 'd'));
    EXPECT_EQ(tree.GetCurColumnsOrURL(), std::string(253, 'c'));
}

TEST(FolderTree, SetCurFilterLeavesTheModifiedFlag) {
    CFolderTree tree = SmallTree();
    gb::Archive ar = gb::Archive::ForStoring("tree");
    tree.Serialize(ar);
    ASSERT_FALSE(tree.IsModified());
    ASSERT_TRUE(tree.FindNode(151));
    CItemFilter filter;
    filter.SetStateMask(CItemFilter::EndedBit);
    tree.SetCurFilter(filter);
    EXPECT_FALSE(tree.IsModified());
    EXPECT_EQ(*tree.GetCurFilter(), filter);
    tree.SetCurFixed(1);
    EXPECT_TRUE(tree.IsModified());
}

TEST(FolderTree, SetCurFilterOnANodeWithoutFilterDoesNothing) {
    CFolderTree tree = SmallTree();
    const CFolderTree before = tree;
    ASSERT_TRUE(tree.FindNode(155));
    CItemFilter filter;
    filter.SetBids(folder::Bids);
    tree.SetCurFilter(filter);
    EXPECT_EQ(tree, before);
}

TEST(FolderTree, FindFolderIgnoresCaseAndTestsHeadingAndKind) {
    CFolderTree tree;
    const std::int32_t seller = tree.AddNode(folder::Sample, folder::Root, folder::Root);
    tree.SetCurName("Bob - USA");
    tree.SetCurHeading(1);
    const std::int32_t userFolder = tree.AddNode(folder::ByStatus, folder::Root, seller);
    tree.SetCurName("Bob - USA");
    tree.SetCurHeading(1);

    EXPECT_EQ(tree.FindFolder("BOB - usa", folder::Root, 1, folder::Sample), seller);
    EXPECT_EQ(tree.FindFolder("Bob - USA", folder::Root, 1, folder::ByStatus), userFolder);
    EXPECT_EQ(tree.FindFolder("Bob - USA", folder::Root, 0, folder::Sample), 0);
    EXPECT_EQ(tree.FindFolder("Bob", folder::Root, 1, folder::Sample), 0);
    // Kind 0 takes the kind of the first folder of that name.
    EXPECT_EQ(tree.FindFolder("bob - usa", folder::Root, 1, 0), seller);
    // The search covers the rest of the chain from the start node on.
    EXPECT_EQ(tree.FindFolder("Bob - USA", userFolder, 1, folder::Sample), 0);
    EXPECT_EQ(tree.FindFolder("Bob - USA", 999, 1, folder::Sample), 0);
}

TEST(FolderTree, FindFolderComparesNamesAsTheFolderHoldsThem) {
    CFolderTree tree;
    const std::string longName(64, 'x');
    const std::int32_t id = tree.AddNode(folder::Sample, folder::Root, folder::Root);
    tree.SetCurName(longName);
    tree.SetCurHeading(1);
    EXPECT_EQ(tree.FindFolder(longName, folder::Root, 1, folder::Sample), id);
}

struct DeleteCase {
    const char* name;
    std::int32_t deleted;
    std::vector<std::int32_t> chainAfter;
    int filtersAfter;
};

void PrintTo(const DeleteCase& c, std::ostream* os) {
    *os << c.name;
}

class FolderTreeDeleteTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(FolderTreeDeleteTest, RemovesTheSubtreeAndKeepsTheTreeConsistent) {
    const DeleteCase& c = GetParam();
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.DeleteNode(c.deleted));
    EXPECT_EQ(ChainIds(tree), c.chainAfter);
    EXPECT_TRUE(tree.IsModified());
    ExpectConsistent(tree, c.filtersAfter);
    EXPECT_EQ(tree.GetNextFolderId(), 157);
}

INSTANTIATE_TEST_SUITE_P(
    Subtrees, FolderTreeDeleteTest,
    ::testing::Values(DeleteCase{"MiddleWithChildren", 151, {100, 155, 156}, 1},
                      DeleteCase{"InnerWithChild", 152, {100, 151, 154, 155, 156}, 3},
                      DeleteCase{"Leaf", 153, {100, 151, 152, 154, 155, 156}, 4},
                      DeleteCase{"LastSubtreeOfTheChain", 155, {100, 151, 152, 153, 154}, 4},
                      DeleteCase{"LastNode", 156, {100, 151, 152, 153, 154, 155}, 4}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(FolderTree, DeletedFiltersTakeTheirOwnersAlong) {
    CFolderTree tree = SmallTree();
    // Mark every filter with its folder's id to see which ones survive.
    for (const std::int32_t id : {151, 152, 153, 154, 156}) {
        ASSERT_TRUE(tree.FindNode(id));
        CItemFilter filter;
        filter.AddStatus(id);
        tree.SetCurFilter(filter);
    }
    ASSERT_TRUE(tree.DeleteNode(152));
    for (const std::int32_t id : {151, 154, 156}) {
        ASSERT_TRUE(tree.FindNode(id));
        EXPECT_TRUE(tree.GetCurFilter()->HasStatus(id)) << id;
    }
}

TEST(FolderTree, AddingAfterADeleteKeepsTheChain) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.DeleteNode(151));
    const std::int32_t id = tree.AddNode(folder::Sample, 155, 156);
    EXPECT_EQ(ChainIds(tree), (std::vector<std::int32_t>{100, 155, 156, id}));
    ExpectConsistent(tree, 2);
}

TEST(FolderTree, DeleteUnknownIdChangesNothing) {
    CFolderTree tree = SmallTree();
    gb::Archive ar = gb::Archive::ForStoring("tree");
    tree.Serialize(ar);
    const CFolderTree before = tree;
    EXPECT_FALSE(tree.DeleteNode(999));
    EXPECT_EQ(tree, before);
    EXPECT_FALSE(tree.IsModified());
}

TEST(FolderTree, DeletingTheRootResetsButKeepsTheCounter) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.DeleteNode(folder::Root));
    EXPECT_EQ(tree.GetCount(), 1);
    EXPECT_FALSE(tree.IsModified());
    EXPECT_EQ(tree.GetNextFolderId(), 157);
    EXPECT_EQ(tree.GetCurName(), "New Profile");
    EXPECT_EQ(tree.AddNode(folder::Sample, folder::Root, folder::Root), 157);
}

TEST(FolderTree, NamesFoldersForItems) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.FindNode(152));
    tree.SetCurName("Paid");
    tree.FindNode(folder::Root);
    const FolderNameLookup& lookup = tree;
    EXPECT_EQ(lookup.FolderName(152), "Paid");
    EXPECT_EQ(lookup.FolderName(999), std::nullopt);
    EXPECT_EQ(tree.GetCurId(), folder::Root);
}

TEST(FolderTree, ArchiveRoundTripKeepsNodesFiltersAndCounter) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.FindNode(153));
    tree.SetCurDescription("hint");
    tree.SetCurColumnsOrURL("-ABCDEFGHIJKL");
    CItemFilter filter;
    filter.AddCategory(153);
    tree.SetCurFilter(filter);

    gb::Archive out = gb::Archive::ForStoring("tree");
    tree.Serialize(out);
    EXPECT_FALSE(tree.IsModified());
    gb::Archive in = gb::Archive::ForLoading(out.Bytes(), "tree");
    CFolderTree read;
    read.AddNode(folder::Sample, folder::Root, folder::Root);
    read.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(read.IsModified());
    EXPECT_EQ(read, tree);
    EXPECT_EQ(read.GetCurId(), folder::Root);
}

// Questions asked while a folder command walks the tree leave its cursor.
TEST(FolderTreeQueries, FindNodesAndTheChainWithoutMovingTheCursor) {
    CFolderTree tree = SmallTree();
    ASSERT_TRUE(tree.FindNode(154));
    const std::vector<std::int32_t> chain = ChainIds(tree);
    ASSERT_TRUE(tree.FindNode(154));

    std::vector<std::int32_t> walked;
    for (const CFolderNode* node : tree.GetChain()) {
        walked.push_back(node->id);
    }
    EXPECT_EQ(walked, chain);
    ASSERT_NE(tree.GetNode(156), nullptr);
    EXPECT_EQ(tree.GetNode(156)->parentId, 155);
    EXPECT_EQ(tree.GetNode(999), nullptr);
    EXPECT_EQ(tree.GetCurId(), 154);
}

}  // namespace
