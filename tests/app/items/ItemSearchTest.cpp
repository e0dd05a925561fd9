// Item Search: finding the next matching row with wrap-round, the filter of
// a search, and filing an all-folders search as "Search Results".

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/core/items/ItemSearch.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;
using gb::app::FindInFolder;
using gb::app::FindNextMatch;

namespace {

// Rows 0-5 of which `matching` match.
gb::app::RowMatch Rows(std::set<int> matching) {
    return [matching](int row) { return matching.contains(row); };
}

TEST(FindNextMatch, SearchesDownFromTheStartRow) {
    const struct {
        int start;
        int count;
        int found;
    } cases[] = {{0, 6, 2}, {3, 6, 4}, {5, 6, -1}, {6, 6, 2}, {40, 6, 2}, {-3, 6, -3}, {0, 0, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindNextMatch(c.start, c.count, Rows({2, 4})), c.found) << c.start;
    }
}

TEST(FindInFolder, FindNextWrapsRoundAfterTheLastMatch) {
    EXPECT_EQ(FindInFolder(-1, 6, Rows({2, 4})).row, 2);
    EXPECT_EQ(FindInFolder(2, 6, Rows({2, 4})).row, 4);
    const gb::app::FolderMatch wrapped = FindInFolder(4, 6, Rows({2, 4}));
    EXPECT_EQ(wrapped.row, 2);
    EXPECT_FALSE(wrapped.message);
}

TEST(FindInFolder, SaysWhenNothingOrOnlyTheFocusedRowMatches) {
    const gb::app::FolderMatch none = FindInFolder(1, 6, Rows({}));
    EXPECT_EQ(none.row, -1);
    EXPECT_EQ(none.message, 59433);
    const gb::app::FolderMatch only = FindInFolder(5, 6, Rows({5}));
    EXPECT_EQ(only.row, 5);
    EXPECT_EQ(only.message, 59444);
}

TEST(ItemSearch, BlanksAloneAreNoSearchText) {
    EXPECT_FALSE(gb::app::SearchTextOf(" \t  "));
    EXPECT_EQ(gb::app::SearchTextOf("  smith "), "smith");
}

TEST(ItemSearch, TheFilterOfTheCurrentFolderKeepsItsCriteria) {
    CItemFilter folderFilter;
    folderFilter.SetStateMask(CItemFilter::EndedBit);
    const CItemFilter inFolder = gb::app::SearchFilter(gb::app::SearchScope::CurrentFolder,
                                                       &folderFilter, field::BuyerId, "smith");
    EXPECT_EQ(inFolder.GetStateMask(), CItemFilter::EndedBit);
    EXPECT_EQ(inFolder.GetSearchField(), field::BuyerId);
    const CItemFilter everywhere = gb::app::SearchFilter(gb::app::SearchScope::AllFolders,
                                                         &folderFilter, field::BuyerId, "smith");
    EXPECT_EQ(everywhere.GetStateMask(), 15);
    EXPECT_EQ(everywhere.GetSearchText(), "smith");

    CAucItem item;
    item.SetBuyerId("J.SMITHSON");
    EXPECT_TRUE(everywhere.Match(item));
}

class SearchResultsTest : public ::testing::Test {
protected:
    SearchResultsTest() {
        document.OnNewDocument();
        FolderBlueprint::AddDefaultFolders(document.EditFolders());
    }

    CItemFilter Search() const {
        return gb::app::SearchFilter(gb::app::SearchScope::AllFolders, nullptr, field::BuyerId,
                                     "smith");
    }

    CAucDoc document;
};

TEST_F(SearchResultsTest, AnAllFoldersSearchFillsSearchResultsAndSelectsIt) {
    const std::string description = gb::app::SearchDescription(field::BuyerId, "smith");
    EXPECT_EQ(description, "Items where Buyer ID contains 'smith'");
    ASSERT_TRUE(gb::app::FileSearchResults(document, Search(), description));
    EXPECT_EQ(document.GetSelectedFolderId(), folder::SearchResults);
    EXPECT_EQ(document.GetSelectedFolder()->description.Get(), description);
    EXPECT_EQ(document.GetSelectedFilter()->GetSearchText(), "smith");
}

TEST_F(SearchResultsTest, WithoutASearchResultsFolderNothingIsOverwritten) {
    ASSERT_TRUE(document.SelectFolder(folder::DeletedItems));
    const CItemFilter deletedFilter = *document.GetSelectedFilter();
    const std::string deletedDescription = document.GetSelectedFolder()->description.Get();
    ASSERT_TRUE(document.EditFolders().DeleteNode(folder::SearchResults));

    EXPECT_FALSE(gb::app::FileSearchResults(document, Search(), "Items where ..."));
    EXPECT_EQ(document.GetSelectedFolderId(), folder::DeletedItems);
    EXPECT_EQ(*document.GetSelectedFilter(), deletedFilter);
    EXPECT_EQ(document.GetSelectedFolder()->description.Get(), deletedDescription);
}

}  // namespace
