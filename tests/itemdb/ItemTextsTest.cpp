// An item keeps its texts in one block whose offsets widen once the texts
// pass 64 KiB in all; setting, copying and storing must not mix them up.

#include <gtest/gtest.h>

#include <string>

#include "itemdb/AucItem.h"
#include "itemdb/ProfileVersion.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

CAucItem Reloaded(const CAucItem& item) {
    gb::Archive out = gb::Archive::ForStoring("item", profile_version::kCurrent);
    item.Store(out);
    gb::Archive in = gb::Archive::ForLoading(out.Bytes(), "item", profile_version::kCurrent);
    CAucItem read;
    read.Load(in);
    EXPECT_TRUE(in.AtEnd());
    return read;
}

TEST(ItemTexts, TextsPastSixtyFourKibibytesKeepEveryField) {
    const std::string longNote(70000, 'n');
    CAucItem item;
    item.SetSite("eBay USA");
    item.SetItemNote(longNote);
    item.SetChargeNote("last");
    EXPECT_EQ(item.GetItemNote(), longNote);
    EXPECT_EQ(item.GetChargeNote(), "last");
    EXPECT_EQ(item.GetAuctionId(), "NEW ITEM");

    const CAucItem copy = item;
    EXPECT_EQ(copy, item);
    EXPECT_EQ(Reloaded(item), item);

    // Back below the limit the offsets narrow again.
    CAucItem shortened = item;
    shortened.SetItemNote("short");
    EXPECT_EQ(shortened.GetItemNote(), "short");
    EXPECT_EQ(shortened.GetChargeNote(), "last");
    EXPECT_EQ(shortened.GetSite(), "eBay USA");
    EXPECT_EQ(Reloaded(shortened), shortened);
}

TEST(ItemTexts, SettingATextFromTheItemsOwnTexts) {
    CAucItem item;
    item.SetDescription("Brass lamp");
    item.SetBuyerId(item.GetDescription());
    item.SetDescription(item.GetDescription().substr(6));
    EXPECT_EQ(item.GetBuyerId(), "Brass lamp");
    EXPECT_EQ(item.GetDescription(), "lamp");
}

TEST(ItemTexts, AllEmptyTextsEqualANewItemsEmptiedOnes) {
    CAucItem emptied;
    emptied.SetAuctionId("");
    emptied.SetDescription("");
    CAucItem other;
    other.SetAuctionId("x");
    other.SetAuctionId("");
    other.SetDescription("");
    EXPECT_EQ(emptied, other);
    EXPECT_EQ(Reloaded(emptied), emptied);
}

}  // namespace
