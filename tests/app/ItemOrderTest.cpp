// How the item list orders its rows: on loading by end time, on a column
// click by that column, with partial loading of large folders.

#include <gtest/gtest.h>

#include <vector>

#include "app/core/FolderLoad.h"
#include "app/core/ItemSortKey.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"

using namespace gb::itemdb;

namespace {

CAucItem ItemEnding(const char* id, const char* end) {
    CAucItem item;
    item.SetAuctionId(id);
    if (end != nullptr) {
        item.SetEndDate(end);
    }
    return item;
}

class ItemOrderTest : public ::testing::Test {
protected:
    std::vector<gb::app::ItemSortKey> Keys(const std::vector<CAucItem>& list, int field) {
        std::vector<gb::app::ItemSortKey> keys;
        for (const CAucItem& item : list) {
            keys.push_back(gb::app::ItemSortKey::Of(item, field, fees, nullptr));
        }
        return keys;
    }
    std::vector<std::string> Ids(const std::vector<CAucItem>& list,
                                 const std::vector<std::size_t>& rows) {
        std::vector<std::string> ids;
        for (std::size_t row : rows) {
            ids.emplace_back(list[row].GetAuctionId());
        }
        return ids;
    }

    CFeeSchedule fees;
    const std::vector<CAucItem> items{
        ItemEnding("b", "3/2/2004 10:00:00"), ItemEnding("none", nullptr),
        ItemEnding("a", "3/1/2004 10:00:00"), ItemEnding("c", "3/2/2004 10:00:00"),
        ItemEnding("d", "3/3/2004 09:00:00"),
    };
};

TEST_F(ItemOrderTest, AnOrdinaryFolderListsTheEarliestEndFirst) {
    const auto plan = gb::app::FolderLoadPlan::For(items.size(), false, 111);
    EXPECT_EQ(plan.sortField, field::EndTime);
    const auto rows = gb::app::LoadedRowOrder(Keys(items, plan.sortField), plan.direction);
    // No end date comes first; equal end times keep the folder's order.
    EXPECT_EQ(Ids(items, rows), (std::vector<std::string>{"none", "a", "b", "c", "d"}));
}

TEST_F(ItemOrderTest, NeedsAttentionListsTheLatestEndFirst) {
    const auto plan = gb::app::FolderLoadPlan::For(items.size(), false, 116);
    const auto rows = gb::app::LoadedRowOrder(Keys(items, plan.sortField), plan.direction);
    EXPECT_EQ(Ids(items, rows), (std::vector<std::string>{"d", "b", "c", "a", "none"}));
}

TEST_F(ItemOrderTest, ClickingAColumnTwiceSortsAscendingThenDescending) {
    const auto keys = Keys(items, field::AuctionId);
    // As loaded: by end time, "none" first.
    std::vector<std::size_t> rows{1, 2, 0, 3, 4};

    int direction = gb::app::ClickDirection(&keys[rows.front()], &keys[rows.back()]);
    EXPECT_EQ(direction, 1);
    gb::app::SortRows(rows, keys, direction);
    EXPECT_EQ(Ids(items, rows), (std::vector<std::string>{"a", "b", "c", "d", "none"}));

    direction = gb::app::ClickDirection(&keys[rows.front()], &keys[rows.back()]);
    EXPECT_EQ(direction, 0);
    gb::app::SortRows(rows, keys, direction);
    EXPECT_EQ(Ids(items, rows), (std::vector<std::string>{"none", "d", "c", "b", "a"}));
}

TEST_F(ItemOrderTest, AColumnOfEqualValuesSortsDescendingAtTheFirstClick) {
    const auto keys = Keys(items, field::Description);
    EXPECT_EQ(gb::app::ClickDirection(&keys.front(), &keys.back()), 0);
    EXPECT_EQ(gb::app::ClickDirection(nullptr, nullptr), 1);
}

TEST_F(ItemOrderTest, TextsCompareIgnoringCase) {
    std::vector<CAucItem> named{ItemEnding("B", nullptr), ItemEnding("a", nullptr),
                                ItemEnding("C", nullptr)};
    std::vector<std::size_t> rows{0, 1, 2};
    gb::app::SortRows(rows, Keys(named, field::AuctionId), 1);
    EXPECT_EQ(Ids(named, rows), (std::vector<std::string>{"a", "B", "C"}));
}

TEST_F(ItemOrderTest, AmountsCompareByValueWithMissingOnesFirst) {
    std::vector<CAucItem> priced(3);
    priced[0].SetMaxBid("100.00");
    priced[1].SetMaxBid("9.99");
    priced[2].SetMaxBid("");
    const auto keys = Keys(priced, field::MaxBid);
    EXPECT_EQ(gb::app::ItemSortKey::Compare(keys[0], keys[1]), 1);
    EXPECT_EQ(gb::app::ItemSortKey::Compare(keys[2], keys[1]), -1);
    EXPECT_EQ(gb::app::ItemSortKey::Compare(keys[2], keys[2]), 0);
}

TEST_F(ItemOrderTest, NullAndInvalidAmountsCompareAlikeSoTheOrderIsConsistent) {
    std::vector<CAucItem> odd(2);
    odd[0].SetMinBid("");         // null
    odd[1].SetMinBid("garbage");  // invalid
    const auto keys = Keys(odd, field::MinBid);
    EXPECT_EQ(gb::app::ItemSortKey::Compare(keys[0], keys[1]), 0);
    EXPECT_EQ(gb::app::ItemSortKey::Compare(keys[1], keys[0]), 0);
}

TEST_F(ItemOrderTest, RatingsCompareAsNumbers) {
    std::vector<CAucItem> rated(2);
    rated[0].SetRating("9");
    rated[1].SetRating("10");
    const auto keys = Keys(rated, field::Rating);
    EXPECT_EQ(gb::app::ItemSortKey::Compare(keys[0], keys[1]), -1);
}

TEST_F(ItemOrderTest, AFeeColumnSortsByTheItemizedAmount) {
    fees.SetCurrent(2);
    fees.SetActive(true);
    fees.SetType(fee_type::SellerFee);
    fees.SetBaseText("2.00");
    std::vector<CAucItem> charged(2);
    charged[0].AddItemizedFee(2);
    const auto keys = Keys(charged, 2 + 468);
    EXPECT_EQ(gb::app::ItemSortKey::Compare(keys[0], keys[1]), 1);
}

struct PlanCase {
    std::size_t items;
    bool fullLoad;
    std::size_t rows;
    bool partial;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
    *os << c.items << " items" << (c.fullLoad ? " full load" : "");
}

class FolderLoadPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(FolderLoadPlanTest, LargeFoldersLoadFiftyUntilAllAreAskedFor) {
    const auto plan = gb::app::FolderLoadPlan::For(GetParam().items, GetParam().fullLoad, 111);
    EXPECT_EQ(plan.rows, GetParam().rows);
    EXPECT_EQ(plan.partial, GetParam().partial);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FolderLoadPlanTest,
                         ::testing::Values(PlanCase{0, false, 0, false},
                                           PlanCase{400, false, 400, false},
                                           PlanCase{401, false, 50, true},
                                           PlanCase{401, true, 401, false},
                                           PlanCase{100000, false, 50, true}));

}  // namespace
