// The order of the rows after loading a folder, checked against the list's
// own way of loading: every item inserted one by one before the first row it
// compares greater than, also when end times are null or invalid.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/core/FolderLoad.h"
#include "app/core/ItemSortKey.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace {

// The list's comparison of two end times, written out as the list defines
// it: both null are equal; else a left one without a value is less; else a
// right one without a value is greater; else in time order. Direction 0
// reverses the result. It is not symmetric: two invalid end times, or a null
// one against an invalid one, are both "less" either way round.
int ListCompare(const gb::DateTime& left, const gb::DateTime& right, int direction) {
    int result = 0;
    if (left.IsNull() && right.IsNull()) {
        result = 0;
    } else if (!left.IsValid()) {
        result = -1;
    } else if (!right.IsValid()) {
        result = 1;
    } else {
        result = (left.Days() > right.Days()) - (left.Days() < right.Days());
    }
    return direction == 0 ? -result : result;
}

// The rows as the list inserts them: each before the first row it compares
// as exactly 1 with, at the end when there is none.
std::vector<std::size_t> InsertedOneByOne(const std::vector<CAucItem>& items, int direction) {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const gb::DateTime end = *items[i].GetDateValue(field::EndTime);
        auto at = rows.begin();
        while (at != rows.end() &&
               ListCompare(end, *items[*at].GetDateValue(field::EndTime), direction) != 1) {
            ++at;
        }
        rows.insert(at, i);
    }
    return rows;
}

std::vector<std::size_t> Loaded(const std::vector<CAucItem>& items, int folderKind) {
    CFeeSchedule fees;
    const auto plan = gb::app::FolderLoadPlan::For(items.size(), true, folderKind);
    std::vector<gb::app::ItemSortKey> keys;
    for (const CAucItem& item : items) {
        keys.push_back(gb::app::ItemSortKey::Of(item, plan.sortField, fees, nullptr));
    }
    return gb::app::LoadedRowOrder(keys, plan.direction);
}

// "null", "invalid" or a date.
CAucItem Ending(const std::string& end) {
    CAucItem item;
    item.SetAuctionId(end);
    if (end == "invalid") {
        item.SetEndDate("not a date");
    } else if (end != "null") {
        item.SetEndDate(end);
    }
    return item;
}

std::vector<std::string> Ids(const std::vector<CAucItem>& items,
                             const std::vector<std::size_t>& rows) {
    std::vector<std::string> ids;
    for (const std::size_t row : rows) {
        ids.emplace_back(items[row].GetAuctionId());
    }
    return ids;
}

TEST(LoadOrderTest, AnInvalidEndTimeGoesFirstAndANullOneBeforeTheFirstThatIsNotNull) {
    std::vector<CAucItem> items;
    for (const char* end : {"null", "3/2/2004", "invalid", "null", "null", "invalid", "null"}) {
        items.push_back(Ending(end));
        // Tell the rows apart by their arrival.
        items.back().SetAuctionId(std::string(end) + std::to_string(items.size()));
    }
    const auto rows = Loaded(items, folder::Sample);
    EXPECT_EQ(Ids(items, rows), (std::vector<std::string>{"null7", "invalid6", "null4", "null5",
                                                          "invalid3", "null1", "3/2/20042"}));
    EXPECT_EQ(rows, InsertedOneByOne(items, 0));
}

TEST(LoadOrderTest, NeedsAttentionPutsNullAndInvalidEndTimesLastInArrivalOrder) {
    std::vector<CAucItem> items;
    for (const char* end : {"invalid", "3/1/2004", "null", "3/5/2004", "invalid"}) {
        items.push_back(Ending(end));
        items.back().SetAuctionId(std::string(end) + std::to_string(items.size()));
    }
    const auto rows = Loaded(items, folder::NeedsAttention);
    EXPECT_EQ(Ids(items, rows), (std::vector<std::string>{"3/5/20044", "3/1/20042", "invalid1",
                                                          "null3", "invalid5"}));
    EXPECT_EQ(rows, InsertedOneByOne(items, 1));
}

// Many folders of null, invalid and few distinct end times (so that many are
// equal), in both directions, against the one-by-one insertion.
TEST(LoadOrderTest, EveryMixOfEndTimesLoadsAsInsertingOneByOne) {
    std::mt19937 random(20040302);
    const std::vector<std::string> ends{"null",           "invalid",          "3/1/2004 10:00",
                                        "3/1/2004 11:00", "3/2/2004 10:00",   "2/28/2004",
                                        "null",           "3/2/2004 10:00:01"};
    std::uniform_int_distribution<std::size_t> pick(0, ends.size() - 1);
    std::uniform_int_distribution<std::size_t> size(0, 60);
    for (int folderNumber = 0; folderNumber < 200; ++folderNumber) {
        std::vector<CAucItem> items;
        const std::size_t count = size(random);
        for (std::size_t i = 0; i < count; ++i) {
            items.push_back(Ending(ends[pick(random)]));
        }
        ASSERT_EQ(Loaded(items, folder::Sample), InsertedOneByOne(items, 0)) << folderNumber;
        ASSERT_EQ(Loaded(items, folder::NeedsAttention), InsertedOneByOne(items, 1))
            << folderNumber;
    }
}

}  // namespace
