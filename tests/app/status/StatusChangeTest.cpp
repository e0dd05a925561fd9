// Set Item Status: the status the dialog proposes, and setting the chosen one
// on the selected items, which items still in progress refuse.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/core/status/StatusChange.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"

using gb::app::ProposedStatusIndex;
using gb::app::StatusChoice;
using namespace gb::itemdb;

namespace {

TEST(StatusChange, ProposesTheStatusAfterTheCurrentOneAndNoneAfterTheLast) {
    const std::vector<StatusChoice> choices{
        {folder::NeedsAttention, "Needs Attention"}, {151, "Paid"}, {152, "Shipped"}};
    const struct {
        std::int32_t current;
        std::optional<std::size_t> proposed;
    } cases[] = {
        {folder::NeedsAttention, 1},
        {151, 2},
        {152, std::nullopt},  // the last: nothing selected, the status stays
        {999, 0},             // not in the list: the first
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProposedStatusIndex(choices, c.current), c.proposed) << c.current;
    }
    EXPECT_EQ(
        ProposedStatusIndex({{folder::NeedsAttention, "Needs Attention"}}, folder::NeedsAttention),
        std::nullopt);
}

TEST(StatusChange, IsOfferedForASelectionOutsideInProgressAndNoCategory) {
    EXPECT_FALSE(gb::app::CanSetStatus(0, folder::AuctionEnded, folder::AllItems));
    EXPECT_TRUE(gb::app::CanSetStatus(1, folder::AuctionEnded, folder::AllItems));
    EXPECT_TRUE(gb::app::CanSetStatus(3, folder::Archive, folder::Archive));
    EXPECT_FALSE(gb::app::CanSetStatus(2, folder::InProgress, folder::AllItems));
    EXPECT_FALSE(gb::app::CanSetStatus(1, folder::ByCategory, folder::NoCategory));
}

TEST(StatusChange, SetsTheStatusOnEverySelectedItemButThoseInProgress) {
    CItemList items;
    for (const char* id : {"1", "2"}) {
        CAucItem item;
        item.SetSite("eBay USA");
        item.SetAuctionId(id);
        items.AddItem(item, folder::AuctionEnded);
    }
    CAucItem running;
    running.SetSite("eBay USA");
    running.SetAuctionId("3");
    running.SetStatus(folder::InProgress, true);
    items.AddItem(running, folder::InProgress);
    items.SetFilter(CItemFilter());
    std::vector<CItemList::ItemId> selection;
    for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
        selection.push_back(items.GetCurrentId());
    }
    ASSERT_EQ(selection.size(), 3u);

    const gb::app::StatusChangeResult result = gb::app::ChangeStatus(items, selection, 151);
    EXPECT_TRUE(result.refused);
    EXPECT_TRUE(result.changed);
    int paid = 0;
    for (const CItemList::ItemId& position : selection) {
        const CAucItem& item = *items.GetItemAt(position);
        if (item.GetAuctionId() == "3") {
            EXPECT_EQ(item.GetStatus(), folder::InProgress);
        } else {
            EXPECT_EQ(item.GetStatus(), 151);
            ++paid;
        }
    }
    EXPECT_EQ(paid, 2);
}

}  // namespace
