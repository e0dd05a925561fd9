// What the item list shows of a folder: a new folder loads in part and in
// load order; a column click sorts; a reload keeps a whole load and the
// user's sort, also after an update merged rows into the lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "app/core/ItemListController.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemList.h"

using namespace gb::itemdb;
using gb::app::ItemListController;

namespace {

class ItemListControllerTest : public ::testing::Test {
protected:
    // `count` ended items: IDs "1000" up, descriptions falling ("z..."), end
    // times rising by the hour.
    void AddItems(int count) {
        for (int i = 0; i < count; ++i) {
            CAucItem item;
            item.SetSite("s");
            item.SetAuctionId(std::to_string(1000 + i));
            item.SetDescription(std::string(1, static_cast<char>('z' - i % 26)) +
                                std::to_string(i));
            item.SetEndDate("3/1/2004 " + std::to_string(i % 24) + ":00:00");
            items_.AddItem(item, folder::AuctionEnded);
        }
    }
    static std::vector<std::string> Ids(const ItemListController::Items& rows) {
        std::vector<std::string> ids;
        for (const CAucItem* item : rows) {
            ids.emplace_back(item->GetAuctionId());
        }
        return ids;
    }
    static ItemListController::Items Ordered(const ItemListController::Items& rows,
                                             const std::vector<std::size_t>& order) {
        ItemListController::Items ordered;
        for (const std::size_t row : order) {
            ordered.push_back(rows[row]);
        }
        return ordered;
    }

    CItemList items_;
    CFeeSchedule fees_;
    CFolderTree folders_;
    CItemFilter all_;
    ItemListController controller_{items_, fees_, folders_};
};

TEST_F(ItemListControllerTest, OnlyAnotherFolderCountsAsNew) {
    EXPECT_TRUE(controller_.ShowFolder(111));
    EXPECT_FALSE(controller_.ShowFolder(111));
    EXPECT_TRUE(controller_.ShowFolder(112));
    controller_.ForgetFolder();
    EXPECT_TRUE(controller_.ShowFolder(112));
}

TEST_F(ItemListControllerTest, ALargeFolderLoadsInPartUntilAskedForEverything) {
    AddItems(401);
    controller_.ShowFolder(111);
    EXPECT_EQ(controller_.Load(&all_, folder::AllItems, false).size(), 50u);
    EXPECT_TRUE(controller_.IsPartial());
    EXPECT_EQ(controller_.Load(&all_, folder::AllItems, true).size(), 401u);
    EXPECT_FALSE(controller_.IsPartial());
    EXPECT_EQ(controller_.SortField(), field::EndTime);
}

TEST_F(ItemListControllerTest, AReloadKeepsAWholeLoadAndTheUsersSort) {
    AddItems(401);
    controller_.ShowFolder(111);
    const ItemListController::Items loaded = controller_.Load(&all_, folder::AllItems, true);
    const ItemListController::Items sorted =
        Ordered(loaded, controller_.SortByColumn(loaded, field::Description));
    EXPECT_EQ(controller_.SortField(), field::Description);
    const int direction = controller_.SortDirection();

    const ItemListController::Items reloaded = controller_.Reload(&all_, folder::AllItems);
    EXPECT_FALSE(controller_.IsPartial());
    EXPECT_EQ(Ids(reloaded), Ids(sorted));
    EXPECT_EQ(controller_.SortField(), field::Description);
    EXPECT_EQ(controller_.SortDirection(), direction);

    // Another folder starts again in part and in load order.
    EXPECT_TRUE(controller_.ShowFolder(112));
    EXPECT_EQ(controller_.Reload(&all_, folder::AllItems).size(), 50u);
    EXPECT_EQ(controller_.SortField(), field::EndTime);
}

TEST_F(ItemListControllerTest, AClickSortsAscendingThenDescending) {
    AddItems(5);
    controller_.ShowFolder(111);
    const ItemListController::Items loaded = controller_.Load(&all_, folder::AllItems, false);
    const ItemListController::Items first =
        Ordered(loaded, controller_.SortByColumn(loaded, field::Description));
    EXPECT_EQ(controller_.SortDirection(), 1);
    EXPECT_EQ(Ids(first), (std::vector<std::string>{"1004", "1003", "1002", "1001", "1000"}));
    const ItemListController::Items second =
        Ordered(first, controller_.SortByColumn(first, field::Description));
    EXPECT_EQ(controller_.SortDirection(), 0);
    EXPECT_EQ(Ids(second), (std::vector<std::string>{"1000", "1001", "1002", "1003", "1004"}));
}

// Rows merged by an update show at the reload, in the user's sort.
TEST_F(ItemListControllerTest, AReloadAfterAMergeShowsTheMergedItems) {
    AddItems(3);
    controller_.ShowFolder(111);
    const ItemListController::Items loaded = controller_.Load(&all_, folder::AllItems, false);
    controller_.SortByColumn(loaded, field::AuctionId);
    RetrievedRow row;
    row.item = "0999";
    row.description = "merged";
    row.completion = "*";
    items_.MergeRow("s", row, 250, 0);

    const ItemListController::Items reloaded = controller_.Reload(&all_, folder::AllItems);
    // The rows ascended by ID, so the click sorted them descending.
    EXPECT_EQ(Ids(reloaded), (std::vector<std::string>{"1002", "1001", "1000", "0999"}));
}

// Merged rows wait for a pause in the run, but never more than a second after
// the first of them, however steadily the rows keep coming; each load shows
// all of them, and the next row waits anew.
TEST_F(ItemListControllerTest, MergedRowsShowAtAPauseOrAfterASecondAtTheLatest) {
    using std::chrono::milliseconds;
    struct Step {
        int atMs;         // when a row is merged, from the start of the run
        bool loadBefore;  // the folder was loaded just before
        int waitMs;       // how long until the rows are to show
    };
    const Step steps[] = {
        {0, false, 200},   {150, false, 200},  {300, false, 200}, {799, false, 200},
        {850, false, 150}, {990, false, 10},   {1000, false, 0},  {1400, false, 0},
        {1450, true, 200}, {2300, false, 150}, {2500, false, 0},
    };
    AddItems(3);
    controller_.ShowFolder(111);
    const ItemListController::Clock::time_point start{};
    for (const Step& step : steps) {
        if (step.loadBefore) {
            controller_.Reload(&all_, folder::AllItems);
        }
        EXPECT_EQ(controller_.RowMerged(start + milliseconds(step.atMs)), milliseconds(step.waitMs))
            << step.atMs;
    }
    // Another folder starts without rows waiting.
    controller_.ForgetFolder();
    EXPECT_EQ(controller_.RowMerged(start + milliseconds(9000)), milliseconds(200));
}

// Equal values keep the order the user saw: a reload after a merge does not
// shuffle rows the sort cannot tell apart.
TEST_F(ItemListControllerTest, AReloadKeepsTheShownOrderAmongEqualValues) {
    AddItems(6);
    controller_.ShowFolder(111);
    ItemListController::Items loaded = controller_.Load(&all_, folder::AllItems, false);
    // All six sort alike by the seller's ID; the user sees them reversed.
    std::reverse(loaded.begin(), loaded.end());
    controller_.SortByColumn(loaded, field::SellerId);
    const ItemListController::Items reloaded = controller_.Reload(&all_, folder::AllItems, loaded);
    EXPECT_EQ(Ids(reloaded), Ids(loaded));

    // An item an update merged meanwhile sorts alike too, and loads first (it
    // has no end date): it comes after the rows the user saw.
    RetrievedRow row;
    row.item = "0999";
    row.completion = "*";
    items_.MergeRow("s", row, 250, 0);
    std::vector<std::string> expected = Ids(loaded);
    expected.emplace_back("0999");
    EXPECT_EQ(Ids(controller_.Reload(&all_, folder::AllItems, reloaded)), expected);
}

}  // namespace
