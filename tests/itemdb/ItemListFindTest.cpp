// Key order, finding, adding and unique auction IDs of the item list.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemListTestItems.h"
#include "itemdb/ItemList.h"

using namespace gb::itemdb;

namespace {

using Keys = std::vector<std::string>;

TEST(ItemListOrder, KeepsEachListInAuctionIdOrder) {
    CItemList list;
    for (const char* id : {"300", "100", "200"}) {
        ASSERT_TRUE(list.AddItem(KeyedItem("eBay USA", id), folder::InProgress));
    }
    EXPECT_EQ(KeysOf(list, folder::InProgress),
              (Keys{"eBay USA/100", "eBay USA/200", "eBay USA/300"}));
}

TEST(ItemListOrder, IgnoresCaseInTheOrder) {
    CItemList list;
    for (const char* id : {"b2", "A1", "a3", "B0"}) {
        list.AddItem(KeyedItem("s", id), folder::AuctionEnded);
    }
    EXPECT_EQ(KeysOf(list, folder::AuctionEnded), (Keys{"s/A1", "s/a3", "s/B0", "s/b2"}));
}

TEST(ItemListOrder, EqualAuctionIdsOfOtherSitesStayInInsertionOrder) {
    CItemList list;
    for (const char* site : {"site3", "site1", "site2"}) {
        list.AddItem(KeyedItem(site, "abc"), folder::Archive);
    }
    list.AddItem(KeyedItem("site1", "abb"), folder::Archive);
    list.AddItem(KeyedItem("site1", "abd"), folder::Archive);
    EXPECT_EQ(KeysOf(list, folder::Archive),
              (Keys{"site1/abb", "site3/abc", "site1/abc", "site2/abc", "site1/abd"}));
}

TEST(ItemListFind, TellsApartTheSameAuctionIdInTwoCasesOfTwoSites) {
    CItemList list;
    list.AddItem(KeyedItem("site1", "ABC"), folder::InProgress);
    EXPECT_TRUE(list.AddItem(KeyedItem("site2", "abc"), folder::InProgress));

    CItemList::ListPos position;
    ASSERT_TRUE(list.FindItem("site1", "abc", &position, folder::InProgress));
    EXPECT_EQ(list.GetItem(position)->GetAuctionId(), "ABC");
    EXPECT_EQ(list.GetItem(position)->GetSite(), "site1");
    ASSERT_TRUE(list.FindItem("SITE2", "ABC", &position, folder::InProgress));
    EXPECT_EQ(list.GetItem(position)->GetAuctionId(), "abc");
}

// The key that shares its auction ID with the middle item but not its site
// must be found too, whichever order the items came in.
TEST(ItemListFind, FindsEveryKeyOfASharedAuctionIdInEitherInsertionOrder) {
    const std::vector<std::vector<const char*>> orders = {{"site1", "site2"},
                                                          {"site2", "site1"},
                                                          {"site1", "site2", "site3"},
                                                          {"site3", "site2", "site1"}};
    for (const auto& sites : orders) {
        for (const char* before : {"", "aaa"}) {
            CItemList list;
            if (*before != '\0') {
                list.AddItem(KeyedItem("site9", before), folder::AuctionEnded);
            }
            for (const char* site : sites) {
                list.AddItem(KeyedItem(site, "abc"), folder::AuctionEnded);
            }
            for (const char* site : sites) {
                CItemList::ListPos position;
                EXPECT_TRUE(list.FindItem(site, "abc", &position, folder::AuctionEnded))
                    << site << " after " << sites.front() << ", before " << before;
                EXPECT_EQ(list.GetItem(position)->GetSite(), site);
                EXPECT_FALSE(list.AddItem(KeyedItem(site, "ABC"), folder::AuctionEnded));
            }
            EXPECT_FALSE(list.FindItem("site4", "abc", nullptr, folder::AuctionEnded));
        }
    }
}

TEST(ItemListFind, GivesThePlaceWhereAMissingKeyBelongs) {
    CItemList list;
    for (const char* id : {"100", "200", "300"}) {
        list.AddItem(KeyedItem("s", id), folder::InProgress);
    }
    list.AddItem(KeyedItem("t", "200"), folder::InProgress);

    CItemList::ListPos position;
    EXPECT_FALSE(list.FindItem("s", "150", &position, folder::InProgress));
    EXPECT_EQ(list.GetItem(position)->GetAuctionId(), "200");
    EXPECT_EQ(position.GetList(), folder::InProgress);
    // After the items with the same auction ID.
    EXPECT_FALSE(list.FindItem("u", "200", &position, folder::InProgress));
    EXPECT_EQ(list.GetItem(position)->GetAuctionId(), "300");
    EXPECT_FALSE(list.FindItem("s", "400", &position, folder::InProgress));
    EXPECT_TRUE(position.IsNone());
    EXPECT_EQ(list.GetItem(position), nullptr);
    EXPECT_FALSE(list.FindItem("s", "100", &position, folder::Archive));
    EXPECT_TRUE(position.IsNone());
}

TEST(ItemListFind, SearchesAllListsInProgressEndedArchiveDeleted) {
    CItemList list;
    CAucItem archived = KeyedItem("s", "1");
    archived.SetDescription("archived");
    list.AddItem(archived, folder::Archive);
    list.AddItem(KeyedItem("s", "1"), folder::DeletedItems);
    list.AddItem(KeyedItem("s", "2"), folder::DeletedItems);

    for (const std::int32_t all : {0, 105}) {
        CItemList::ListPos position;
        ASSERT_TRUE(list.FindItem("s", "1", &position, all));
        EXPECT_EQ(position.GetList(), folder::Archive);
        EXPECT_EQ(list.GetItem(position)->GetDescription(), "archived");
        ASSERT_TRUE(list.FindItem("s", "2", &position, all));
        EXPECT_EQ(position.GetList(), folder::DeletedItems);
        // A miss leaves the position in the list searched last.
        EXPECT_FALSE(list.FindItem("s", "3", &position, all));
        EXPECT_EQ(position.GetList(), folder::DeletedItems);
    }
}

TEST(ItemListFind, Takes104AsTheEndedListAndNoOtherCode) {
    CItemList list;
    list.AddItem(KeyedItem("s", "1"), folder::AuctionEnded);
    EXPECT_TRUE(list.FindItem("s", "1", nullptr, 104));
    EXPECT_FALSE(list.FindItem("s", "1", nullptr, folder::Auctions));
    EXPECT_EQ(list.GetStateList(folder::Auctions), nullptr);
}

TEST(ItemListAdd, RefusesAKeyTheListHoldsAndLeavesItUnchanged) {
    CItemList list;
    CAucItem first = KeyedItem("eBay USA", "ABC");
    first.SetDescription("first");
    ASSERT_TRUE(list.AddItem(first, folder::InProgress));

    CAucItem again = KeyedItem("EBAY usa", "abc");
    again.SetDescription("again");
    EXPECT_FALSE(list.AddItem(again, folder::InProgress));
    ASSERT_EQ(list.GetStateList(folder::InProgress)->Size(), 1u);
    EXPECT_EQ(list.GetStateList(folder::InProgress)->Items().front().GetDescription(), "first");
    // Another list may hold the same key.
    EXPECT_TRUE(list.AddItem(again, folder::Archive));
}

TEST(ItemListAdd, StampsTheListsStateAndMarksTheListModified) {
    CItemList list;
    EXPECT_FALSE(list.IsModified());
    for (const std::int32_t code :
         {folder::InProgress, folder::AuctionEnded, folder::Archive, folder::DeletedItems}) {
        ASSERT_TRUE(list.AddItem(KeyedItem("s", "1"), code));
        EXPECT_EQ(list.GetStateList(code)->Items().front().GetState(), code);
    }
    EXPECT_TRUE(list.IsModified());
    EXPECT_FALSE(list.AddItem(KeyedItem("s", "2"), folder::Auctions));
}

struct UniqueIdCase {
    std::vector<const char*> taken;
    const char* asked;
    const char* expected;
    bool free;
};

const UniqueIdCase kUniqueIdCases[] = {
    {{}, "1234", "1234", true},
    {{"1234"}, "1234", "1234-1", false},
    {{"1234", "1234-1"}, "1234", "1234-2", false},
    {{"1234-1"}, "1234-1", "1234-2", false},
    {{"-5"}, "-5", "-5-1", false},
    {{"a-b-c"}, "A-B-C", "A-B-1", false},
    {{"ABCDEFGHIJKLMNOPQRSTUVWXY"}, "ABCDEFGHIJKLMNOPQRSTUVWXY", "HIJKLMNOPQRSTUVWXY-1", false},
};

TEST(ItemListUniqueId, ProposesTheFirstFreeNumberedId) {
    for (const UniqueIdCase& c : kUniqueIdCases) {
        CItemList list;
        for (const char* id : c.taken) {
            list.AddItem(KeyedItem("eBay USA", id), folder::AuctionEnded);
        }
        std::string unique;
        EXPECT_EQ(list.MakeUniqueId("eBay USA", c.asked, &unique), c.free) << c.asked;
        EXPECT_EQ(unique, c.expected) << c.asked;
        EXPECT_EQ(list.MakeUniqueId("eBay USA", c.asked), c.free) << c.asked;
    }
}

TEST(ItemListUniqueId, LooksInEveryListForTheSameSiteOnly) {
    CItemList list;
    list.AddItem(KeyedItem("eBay USA", "1234"), folder::DeletedItems);
    list.AddItem(KeyedItem("eBay USA", "1234-1"), folder::Archive);
    std::string unique;
    EXPECT_FALSE(list.MakeUniqueId("ebay usa", "1234", &unique));
    EXPECT_EQ(unique, "1234-2");
    EXPECT_TRUE(list.MakeUniqueId("eBay UK", "1234", &unique));
    EXPECT_EQ(unique, "1234");
}

}  // namespace
