// The item list's archive form: three counted lists of item records; the
// deleted list is never stored.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HandBuiltRecord.h"
#include "ItemListTestItems.h"
#include "itemdb/ItemList.h"
#include "itemdb/ProfileVersion.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

std::string Stored(CItemList& list) {
    gb::Archive ar = gb::Archive::ForStoring("test.pro", profile_version::kCurrent);
    list.Serialize(ar);
    return ar.Bytes();
}

void Load(CItemList& list, std::string bytes, std::int32_t version = profile_version::kCurrent) {
    gb::Archive ar = gb::Archive::ForLoading(std::move(bytes), "test.pro", version);
    list.Serialize(ar);
}

std::string RecordOf(CAucItem item) {
    gb::Archive ar = gb::Archive::ForStoring("test.pro", profile_version::kCurrent);
    item.Serialize(ar);
    return ar.Bytes();
}

std::string Count(std::uint16_t count) {
    return HandBuiltRecord().Byte(static_cast<std::uint8_t>(count)).Byte(count >> 8).Bytes();
}

CAucItem Described(std::string_view id, std::string_view description) {
    CAucItem item = KeyedItem("eBay USA", id);
    item.SetDescription(description);
    return item;
}

TEST(ItemListArchive, StoresInProgressEndedAndArchiveAsCountedRecords) {
    CItemList list;
    EXPECT_EQ(Stored(list), Count(0) + Count(0) + Count(0));

    list.AddItem(Described("2", "b"), folder::AuctionEnded);
    list.AddItem(Described("1", "a"), folder::AuctionEnded);
    list.AddItem(Described("3", "c"), folder::Archive);
    EXPECT_EQ(Stored(list), Count(0) + Count(2) + RecordOf(Described("1", "a")) +
                                RecordOf(Described("2", "b")) + Count(1) +
                                RecordOf(Described("3", "c")));
}

TEST(ItemListArchive, ReadsBackEveryStoredItemWithItsListsState) {
    CItemList list;
    CAucItem sold = Described("1234", "lamp");
    sold.SetBuyerId("buyer");
    sold.SetMoneyValue(field::MaxBid, Dollars(12, 50));
    sold.AddCategory(152);
    list.AddItem(sold, folder::AuctionEnded);
    list.AddItem(Described("99", "running"), folder::InProgress);
    list.AddItem(Described("98", "running"), folder::InProgress);
    list.AddItem(Described("1234", "archived"), folder::Archive);

    CItemList read;
    Load(read, Stored(list));
    for (const std::int32_t code : {folder::InProgress, folder::AuctionEnded, folder::Archive}) {
        const auto stored = list.GetStateList(code)->Items();
        const auto loaded = read.GetStateList(code)->Items();
        EXPECT_TRUE(std::ranges::equal(stored, loaded)) << code;
    }
    EXPECT_EQ(read.GetStateList(folder::Archive)->Items().front().GetState(), folder::Archive);
}

TEST(ItemListArchive, NeverStoresTheDeletedList) {
    CItemList list;
    list.AddItem(Described("1", "kept"), folder::InProgress);
    const std::string withoutDeleted = Stored(list);
    for (const char* id : {"7", "8", "9"}) {
        list.AddItem(Described(id, "deleted"), folder::DeletedItems);
    }
    const std::string bytes = Stored(list);
    EXPECT_EQ(bytes, withoutDeleted);

    CItemList reopened;
    Load(reopened, bytes);
    EXPECT_TRUE(reopened.GetStateList(folder::DeletedItems)->IsEmpty());
    EXPECT_EQ(ItemCount(reopened), 1u);
}

TEST(ItemListArchive, BothDirectionsClearTheModifiedFlag) {
    CItemList list;
    list.AddItem(Described("1", "a"), folder::InProgress);
    ASSERT_TRUE(list.IsModified());
    const std::string bytes = Stored(list);
    EXPECT_FALSE(list.IsModified());

    list.AddItem(Described("2", "b"), folder::InProgress);
    Load(list, bytes);
    EXPECT_FALSE(list.IsModified());
}

// Files from older releases may hold records out of order or the same key
// twice; every record is kept, and the list is in key order.
TEST(ItemListArchive, KeepsEveryRecordOfAnUnsortedOrDuplicatedFile) {
    const std::string file = Count(3) + RecordOf(Described("300", "c")) +
                             RecordOf(Described("100", "first")) +
                             RecordOf(Described("100", "second")) + Count(0) + Count(0);
    CItemList list;
    Load(list, file);
    std::vector<std::string> descriptions;
    for (const CAucItem& item : list.GetStateList(folder::InProgress)->Items()) {
        descriptions.emplace_back(item.GetDescription());
    }
    EXPECT_EQ(descriptions, (std::vector<std::string>{"first", "second", "c"}));
}

TEST(ItemListArchive, AMalformedFileThrowsAndLeavesTheListsAsTheyWere) {
    CItemList source;
    source.AddItem(Described("1", "a"), folder::InProgress);
    source.AddItem(Described("2", "b"), folder::AuctionEnded);
    const std::string good = Stored(source);

    const std::vector<std::string> malformed = {
        "",
        good.substr(0, good.size() - 1),
        good.substr(0, good.size() - 3),
        Count(0xFFFE) + good.substr(2),
        HandBuiltRecord().Byte(0xFF).Byte(0xFF).Int32(-1).Bytes(),
    };
    for (const std::string& bytes : malformed) {
        CItemList list;
        list.AddItem(Described("kept", "x"), folder::Archive);
        EXPECT_THROW(Load(list, bytes), gb::ArchiveException) << bytes.size();
        EXPECT_EQ(ItemCount(list), 1u);
    }
}

TEST(ItemListArchive, ReadsTheSmallestRecordOfTheOldestVersion) {
    HandBuiltRecord r;
    r.Int32(101).Text("").Text("").Int32(116).Int32(0).Text("").Text("");
    r.NullDate().NullDate().NullDate().NullDate();
    r.Amount(0).Amount(0).NullMoney().Text("").Amount(0).Amount(0).Amount(0);
    r.Text("").Text("").Int32(0).Text("").NullMoney().Amount(0).Amount(0);
    r.Text("").Text("").Text("").Text("").Text("").NullDate().Text("").Amount(0).Text("");

    CItemList list;
    Load(list, Count(0) + Count(0) + Count(1) + r.Bytes(), profile_version::kOldest);
    ASSERT_EQ(list.GetStateList(folder::Archive)->Size(), 1u);
    EXPECT_EQ(list.GetStateList(folder::Archive)->Items().front().GetAuctionId(), "");
}

}  // namespace
