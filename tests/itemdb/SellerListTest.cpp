#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "itemdb/SellerList.h"
#include "platform/Archive.h"
#include "platform/Clock.h"

using namespace gb::itemdb;

namespace {

const gb::DateTime kNow = gb::DateTime::FromCivil(2024, 5, 10, 12, 0, 0);

class SellerListTest : public ::testing::Test {
protected:
    gb::FixedClock clock_{kNow};
    gb::ScopedClock scoped_{clock_};
    CSellerList list_;

    void SaveToClearFlag() {
        gb::Archive ar = gb::Archive::ForStoring("sellers");
        list_.Serialize(ar);
    }
};

TEST_F(SellerListTest, NewListIsEmptyAndEntryOperationsNeedAnEntry) {
    EXPECT_EQ(list_.GetCount(), 0);
    EXPECT_EQ(list_.GetCurrent(), 0);
    EXPECT_FALSE(list_.IsModified());
    EXPECT_FALSE(list_.SetCurrent(0));
    EXPECT_THROW(list_.GetSellerId(), std::out_of_range);
    EXPECT_THROW(list_.SetActive(0), std::out_of_range);
}

TEST_F(SellerListTest, AddSellerBuildsAnActiveEntry) {
    EXPECT_EQ(list_.AddSeller("bob", "eBay USA", "{CLSID-USA}"), 0);
    EXPECT_EQ(list_.GetSellerId(), "bob");
    EXPECT_EQ(list_.GetSite(), "eBay USA");
    EXPECT_EQ(list_.GetSiteClsid(), "{CLSID-USA}");
    EXPECT_EQ(list_.GetDisplayName(), "bob - USA");
    EXPECT_EQ(list_.IsActive(), 1);
    EXPECT_EQ(list_.GetTimeZoneAdjust(), 0);
    EXPECT_EQ(list_.GetFolderId(), 0);
    EXPECT_EQ(list_.GetPassword(), "");
    EXPECT_TRUE(list_.GetLastUpdate().IsNull());
    EXPECT_TRUE(list_.IsModified());
}

TEST_F(SellerListTest, AddingAKnownSellerSelectsItAndStillMarksModified) {
    list_.AddSeller("bob", "eBay USA", "{USA}");
    list_.AddSeller("ann", "eBay USA", "{USA}");
    SaveToClearFlag();
    EXPECT_EQ(list_.AddSeller("BOB", "eBay USA", "{USA}"), 0);
    EXPECT_EQ(list_.GetCount(), 2);
    EXPECT_EQ(list_.GetSellerId(), "bob");
    EXPECT_TRUE(list_.IsModified());
    // Another site is another entry; the site name compares exactly.
    EXPECT_EQ(list_.AddSeller("bob", "eBay UK", "{UK}"), 2);
    EXPECT_EQ(list_.GetDisplayName(), "bob - UK");
    EXPECT_EQ(list_.AddSeller("bob", "ebay usa", "{USA}"), 3);
}

TEST_F(SellerListTest, ShortSiteNamesAddNothingToTheDisplayName) {
    list_.AddSeller("bob", "eBay", "{X}");
    EXPECT_EQ(list_.GetDisplayName(), "bob - ");
}

TEST_F(SellerListTest, DisplayNamesAreCutToAFolderName) {
    const std::string longId(70, 's');
    list_.AddSeller(longId, "eBay USA", "{USA}");
    EXPECT_EQ(list_.GetDisplayName(), std::string(59, 's'));
    EXPECT_TRUE(list_.SetDisplayName(std::string(64, 'd')));
    EXPECT_EQ(list_.GetDisplayName(), std::string(59, 'd'));
}

TEST_F(SellerListTest, SetDisplayNameIgnoresCaseAndDefaultsWhenEmpty) {
    list_.AddSeller("bob", "eBay USA", "{USA}");
    SaveToClearFlag();
    EXPECT_FALSE(list_.SetDisplayName("BOB - usa"));
    EXPECT_EQ(list_.GetDisplayName(), "bob - USA");
    EXPECT_FALSE(list_.IsModified());
    EXPECT_TRUE(list_.SetDisplayName(""));
    EXPECT_EQ(list_.GetDisplayName(), "Auctions");
    EXPECT_TRUE(list_.IsModified());
}

TEST_F(SellerListTest, SettersMarkModifiedOnlyOnChangeAndSomeNever) {
    list_.AddSeller("bob", "eBay USA", "{USA}");
    SaveToClearFlag();
    list_.SetActive(1);
    list_.SetTimeZoneAdjust(0);
    list_.SetFolderId(160);
    list_.SetPassword("secret");
    EXPECT_FALSE(list_.IsModified());
    EXPECT_EQ(list_.GetFolderId(), 160);
    EXPECT_EQ(list_.GetPassword(), "secret");
    list_.SetTimeZoneAdjust(-3);
    EXPECT_TRUE(list_.IsModified());
    SaveToClearFlag();
    list_.SetActive(0);
    EXPECT_TRUE(list_.IsModified());
}

struct DaysCase {
    const char* name;
    double hoursAgo;  // negative: in the future
    std::int32_t days;
};

void PrintTo(const DaysCase& c, std::ostream* os) {
    *os << c.name;
}

class DaysToRetrieveTest : public SellerListTest, public ::testing::WithParamInterface<DaysCase> {};

TEST_P(DaysToRetrieveTest, CountsWholeDaysSinceTheLastUpdatePlusOne) {
    const DaysCase& c = GetParam();
    list_.AddSeller("bob", "eBay USA", "{USA}");
    clock_.Set(kNow.AddSeconds(static_cast<std::int64_t>(-c.hoursAgo * 3600)));
    list_.SetLastUpdate(0);
    clock_.Set(kNow);
    EXPECT_EQ(list_.GetDaysToRetrieve(), c.days);
}

INSTANTIATE_TEST_SUITE_P(Spans, DaysToRetrieveTest,
                         ::testing::Values(DaysCase{"AMomentAgo", 0.01, 1},
                                           DaysCase{"TwoAndAHalfDays", 60, 3},
                                           DaysCase{"ExactlyOneDay", 24, 2},
                                           DaysCase{"NinetyDays", 90 * 24, 91},
                                           DaysCase{"HoursInTheFuture", -5, 1},
                                           DaysCase{"DaysInTheFuture", -24 * 10, 1}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(SellerListTest, NeverUpdatedAsksForThirtyOneDays) {
    list_.AddSeller("bob", "eBay USA", "{USA}");
    EXPECT_EQ(list_.GetDaysToRetrieve(), 31);
}

TEST_F(SellerListTest, SetLastUpdateStampsNowMinusDaysOrClears) {
    list_.AddSeller("bob", "eBay USA", "{USA}");
    list_.SetLastUpdate(2);
    EXPECT_EQ(list_.GetLastUpdate(), kNow.AddHours(-48));
    EXPECT_EQ(list_.GetLastUpdateText(), "5/8/2024 12:00:00 PM");
    list_.SetLastUpdate(-1);
    EXPECT_TRUE(list_.GetLastUpdate().IsNull());
    EXPECT_EQ(list_.GetLastUpdateText(), "Unknown");
}

TEST_F(SellerListTest, RemoveAtKeepsTheCurrentIndexInside) {
    list_.AddSeller("a", "eBay USA", "{USA}");
    list_.AddSeller("b", "eBay USA", "{USA}");
    list_.AddSeller("c", "eBay USA", "{USA}");
    SaveToClearFlag();
    EXPECT_FALSE(list_.RemoveAt(3));
    EXPECT_FALSE(list_.RemoveAt(-1));
    EXPECT_FALSE(list_.IsModified());
    ASSERT_EQ(list_.GetCurrent(), 2);
    EXPECT_TRUE(list_.RemoveAt(2));
    EXPECT_EQ(list_.GetCurrent(), 1);
    EXPECT_EQ(list_.GetSellerId(), "b");
    EXPECT_TRUE(list_.IsModified());
    EXPECT_TRUE(list_.RemoveAt(0));
    EXPECT_EQ(list_.GetSellerId(), "b");
}

TEST_F(SellerListTest, RemoveAllEmptiesAndClearsTheFlag) {
    list_.AddSeller("a", "eBay USA", "{USA}");
    list_.RemoveAll();
    EXPECT_EQ(list_.GetCount(), 0);
    EXPECT_FALSE(list_.IsModified());
}

TEST_F(SellerListTest, ArchiveRoundTripKeepsEveryField) {
    list_.AddSeller("a", "eBay USA", "{USA}");
    list_.SetPassword("pw-a");
    list_.SetLastUpdate(3);
    list_.SetTimeZoneAdjust(-8);
    list_.SetFolderId(160);
    list_.AddSeller("b", "eBay UK", "{UK}");
    list_.SetActive(0);
    list_.SetDisplayName("Watched");
    list_.AddSeller("c", "eBay Germany", "{GER}");
    list_.SetCurrent(1);

    gb::Archive out = gb::Archive::ForStoring("sellers");
    list_.Serialize(out);
    EXPECT_FALSE(list_.IsModified());
    EXPECT_EQ(list_.GetCurrent(), 1);

    CSellerList read;
    read.AddSeller("stale", "eBay USA", "{USA}");
    gb::Archive in = gb::Archive::ForLoading(out.Bytes(), "sellers");
    read.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(read, list_);
    EXPECT_FALSE(read.IsModified());
    EXPECT_EQ(read.GetCurrent(), 0);
}

TEST_F(SellerListTest, ReadingKeepsTheEntriesBeforeAFault) {
    list_.AddSeller("a", "eBay USA", "{USA}");
    list_.AddSeller("b", "eBay USA", "{USA}");
    gb::Archive out = gb::Archive::ForStoring("sellers");
    list_.Serialize(out);
    const std::string cut = out.Bytes().substr(0, out.Bytes().size() - 3);

    CSellerList read;
    gb::Archive in = gb::Archive::ForLoading(cut, "sellers");
    EXPECT_THROW(read.Serialize(in), gb::ArchiveException);
    ASSERT_EQ(read.GetCount(), 1);
    EXPECT_EQ(read.GetSellerId(), "a");
}

TEST_F(SellerListTest, NegativeCountIsMalformed) {
    gb::Archive out = gb::Archive::ForStoring("sellers");
    out.WriteInt32(-1);
    gb::Archive in = gb::Archive::ForLoading(out.Bytes(), "sellers");
    EXPECT_THROW(list_.Serialize(in), gb::ArchiveException);
}

}  // namespace
