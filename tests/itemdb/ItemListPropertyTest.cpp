// Random sessions of adds, replaces, moves, merges and folder changes: after
// every step each state list is in key order without a duplicate key, every
// item carries its list's state, no merge loses an item, and the running
// totals equal totals rebuilt from scratch over the items the folder admits.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ItemListTestItems.h"
#include "itemdb/FieldId.h"
#include "itemdb/ItemList.h"
#include "platform/Clock.h"

using namespace gb::itemdb;

namespace {

constexpr std::int32_t kListCodes[] = {folder::InProgress, folder::AuctionEnded, folder::Archive,
                                       folder::DeletedItems};

class RandomSession {
public:
    explicit RandomSession(unsigned seed) : random_(seed) {}

    void Run(int steps) {
        for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            switch (Pick(6)) {
                case 0:
                case 1:
                    AddNew();
                    break;
                case 2:
                    Replace();
                    break;
                case 3:
                    Move();
                    break;
                case 4:
                    Merge();
                    break;
                default:
                    ChangeFolder();
                    break;
            }
            CheckLists();
            CheckDisplay();
        }
    }

private:
    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }
    template <typename T, std::size_t N>
    const T& PickFrom(const T (&choices)[N]) {
        return choices[Pick(N)];
    }

    // Few sites and IDs, in both cases, so that keys collide often.
    const char* Site() { return PickFrom({"site1", "SITE1", "site2"}); }
    const char* AuctionId() { return PickFrom({"a", "A", "b", "10", "100", "1-1", "z"}); }

    CAucItem RandomItem() {
        CAucItem item = KeyedItem(Site(), AuctionId());
        Vary(item);
        return item;
    }

    void Vary(CAucItem& item) {
        item.SetStatus(PickFrom({folder::InProgress, folder::NeedsAttention, 150, 160}), true);
        item.SetBuyerId(PickFrom({"", "buyer"}));
        item.SetMoneyValue(field::MaxBid, Dollars(0, static_cast<std::int64_t>(Pick(10000))));
        item.SetMoneyValue(field::ReserveAmt, Pick(2)
                                                  ? gb::Money::Null()
                                                  : Dollars(static_cast<std::int64_t>(Pick(60))));
        item.SetMoneyValue(
            field::InsertionFee,
            Pick(2) ? gb::Money::Null() : Dollars(0, static_cast<std::int64_t>(Pick(99))));
        item.SetMoneyValue(field::ShipCost, Dollars(static_cast<std::int64_t>(Pick(20))));
    }

    std::vector<CItemList::ItemId> Displayed() { return DisplayedItemIds(list_); }

    void AddNew() {
        const CAucItem item = RandomItem();
        const std::int32_t code = PickFrom(kListCodes);
        const bool free = !list_.FindItem(item.GetSite(), item.GetAuctionId(), nullptr, code);
        const bool admitted = list_.MatchFolder(item, code);
        const CItemList::ItemId position = list_.AddNewItem(item, code);
        EXPECT_EQ(position.IsNone(), !(free && admitted));
    }

    void Replace() {
        const std::vector<CItemList::ItemId> positions = Displayed();
        if (positions.empty()) {
            return;
        }
        const CItemList::ItemId position = positions[Pick(positions.size())];
        CAucItem edited = *list_.GetItemAt(position);
        Vary(edited);
        // The stored item keeps its key whatever the edit says.
        const bool matches = list_.GetFilter().Match(edited);
        if (Pick(4) == 0) {
            edited.SetAuctionId(AuctionId());
        }
        EXPECT_EQ(list_.ReplaceItem(edited, position), matches);
    }

    void Move() {
        const std::vector<CItemList::ItemId> positions = Displayed();
        if (positions.empty()) {
            return;
        }
        const CItemList::ItemId position = positions[Pick(positions.size())];
        const std::size_t before = ItemCount(list_);
        list_.MoveItem(position,
                       PickFrom({folder::InProgress, folder::AuctionEnded, folder::Archive,
                                 folder::DeletedItems, folder::Auctions}));
        EXPECT_EQ(ItemCount(list_), before);
    }

    void Merge() {
        const char* site = Site();
        RetrievedRow row = RunningRow(AuctionId());
        row.bidder = PickFrom({"", "buyer1"});
        row.completion = PickFrom({"N", "*", "U", ""});
        row.end = PickFrom({"3/8/2023 10:00:00 AM", "3/2/2023 10:00:00 AM", ""});
        row.price = PickFrom({"$12.50", "$0.99", "US $3.00"});

        const bool live = list_.FindItem(site, row.item, nullptr, folder::InProgress) ||
                          list_.FindItem(site, row.item, nullptr, folder::AuctionEnded) ||
                          list_.FindItem(site, row.item, nullptr, folder::Archive);
        const bool deleted = list_.FindItem(site, row.item, nullptr, folder::DeletedItems);
        const std::size_t before = ItemCount(list_);
        list_.MergeRow(site, row, 250, static_cast<std::int32_t>(Pick(7)) - 3);
        // A deleted copy goes; a fresh item comes unless a live one is
        // updated instead, which only a live key allows.
        const std::size_t after = ItemCount(list_);
        const std::size_t kept = before - (deleted ? 1 : 0);
        if (live) {
            EXPECT_TRUE(after == kept || (deleted && after == kept + 1)) << after;
        } else {
            EXPECT_EQ(after, kept + 1);
        }
        EXPECT_TRUE(list_.FindItem(site, row.item));
    }

    void ChangeFolder() {
        CItemFilter filter;
        filter.SetStateMask(static_cast<std::int32_t>(Pick(16)));
        switch (Pick(4)) {
            case 0:
                filter.SetBids(PickFrom({folder::Bids, folder::NoBids}));
                break;
            case 1:
                filter.AddStatus(PickFrom({folder::NeedsAttention, 150}));
                break;
            case 2:
                filter.SetSearch(field::AuctionId, PickFrom({"1", "a"}));
                break;
            default:
                break;
        }
        list_.SetFilter(filter);
    }

    void CheckLists() const {
        for (const std::int32_t code : kListCodes) {
            const auto items = list_.GetStateList(code)->Items();
            const CAucItem* previous = nullptr;
            for (const CAucItem& item : items) {
                EXPECT_EQ(item.GetState(), code);
                if (previous != nullptr) {
                    EXPECT_FALSE(previous->IsAfter(item))
                        << previous->GetAuctionId() << " before " << item.GetAuctionId();
                }
                previous = &item;
                for (const CAucItem& other : items) {
                    EXPECT_TRUE(&other == &item || !other.IsSameKey(item))
                        << code << ": " << item.GetSite() << "/" << item.GetAuctionId();
                }
            }
        }
    }

    void CheckDisplay() {
        CItemTotals rebuilt;
        std::vector<const CAucItem*> admitted;
        for (const std::int32_t code : kListCodes) {
            for (const CAucItem& item : list_.GetStateList(code)->Items()) {
                if (list_.MatchFolder(item, code)) {
                    rebuilt.AddItem(item);
                    admitted.push_back(&item);
                }
            }
        }
        std::vector<const CAucItem*> displayed = DisplayedItems(list_);
        std::ranges::sort(displayed);
        std::ranges::sort(admitted);
        EXPECT_EQ(displayed, admitted);
        EXPECT_EQ(list_.GetTotals(), rebuilt);
    }

    std::mt19937 random_;
    CItemList list_;
};

TEST(ItemListProperty, RandomSessionsKeepListsOrderedAndTotalsExact) {
    const gb::FixedClock clock(gb::DateTime::FromCivil(2023, 3, 5, 12, 0));
    const gb::ScopedClock scoped(clock);
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSession(seed).Run(300);
    }
}

}  // namespace
