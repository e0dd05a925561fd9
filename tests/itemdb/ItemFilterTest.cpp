#include "itemdb/ItemFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HandBuiltRecord.h"
#include "itemdb/AucItem.h"
#include "itemdb/FieldId.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

CAucItem ItemOf(const char* site, const char* seller) {
    CAucItem item;
    item.SetSite(site);
    item.SetSellerId(seller);
    return item;
}

CAucItem ItemWithCategories(std::initializer_list<std::int32_t> categories) {
    CAucItem item;
    for (const std::int32_t id : categories) {
        item.AddCategory(id);
    }
    return item;
}

gb::DateTime March(int day, int hour = 0, int minute = 0) {
    return gb::DateTime::FromCivil(2023, 3, day, hour, minute);
}

TEST(ItemFilterReset, MatchesEveryItemInEveryList) {
    CItemFilter filter;
    filter.AddStatus(150);
    filter.SetSearch(field::Description, "lamp");
    filter.SetStateMask(2);
    filter.Reset();
    EXPECT_EQ(filter, CItemFilter());
    EXPECT_EQ(filter.GetStateMask(), 15);

    CAucItem sold = ItemOf("eBay UK", "someone");
    sold.SetBuyerId("buyer");
    sold.SetEndDate("3/1/2023");
    for (const CAucItem& item : {CAucItem(), sold, ItemWithCategories({152, 160})}) {
        EXPECT_TRUE(filter.Match(item));
    }
}

TEST(ItemFilterForFolder, CopiesTheFoldersFilterAndSelectsNoListWithoutOne) {
    CItemFilter folder;
    folder.SetStateMask(CItemFilter::EndedBit);
    folder.SetSearch(field::Description, "lamp");
    EXPECT_EQ(CItemFilter::ForFolder(&folder), folder);
    EXPECT_EQ(CItemFilter::ForFolder(nullptr).GetStateMask(), 0);
}

TEST(ItemFilterSellers, SiteMatchesExactlyAndSellerIgnoringCase) {
    CItemFilter filter;
    EXPECT_TRUE(filter.AddSeller("eBay USA", "seller1"));
    EXPECT_TRUE(filter.Match(ItemOf("eBay USA", "SELLER1")));
    EXPECT_FALSE(filter.Match(ItemOf("EBAY USA", "seller1")));
    EXPECT_FALSE(filter.Match(ItemOf("eBay USA", "seller2")));
    EXPECT_TRUE(filter.HasSeller("eBay USA", "Seller1"));
    EXPECT_FALSE(filter.HasSeller("ebay usa", "seller1"));
    EXPECT_FALSE(filter.HasSeller(std::nullopt, ""));

    EXPECT_TRUE(filter.AddSeller("eBay UK", "other"));
    EXPECT_TRUE(filter.Match(ItemOf("eBay UK", "Other")));
}

TEST(ItemFilterSellers, SamePairIsStoredOverItselfAndNoSiteClears) {
    CItemFilter filter;
    filter.AddSeller("eBay USA", "seller1");
    EXPECT_TRUE(filter.AddSeller("EBAY USA", "SELLER1"));
    EXPECT_EQ(filter.GetSellers(),
              (std::vector<std::pair<std::string, std::string>>{{"EBAY USA", "SELLER1"}}));
    for (int i = 1; i < 20; ++i) {
        ASSERT_TRUE(filter.AddSeller("eBay UK", "seller" + std::to_string(i)));
    }
    EXPECT_FALSE(filter.AddSeller("eBay UK", "one too many"));
    EXPECT_TRUE(filter.AddSeller("eBay UK", "SELLER7"));
    EXPECT_EQ(filter.GetSellers().size(), 20u);
    EXPECT_TRUE(filter.Match(ItemOf("eBay UK", "seller19")));

    EXPECT_TRUE(filter.AddSeller(std::nullopt, "ignored"));
    EXPECT_TRUE(filter.GetSellers().empty());
    EXPECT_TRUE(filter.HasSeller(std::nullopt, ""));
    EXPECT_TRUE(filter.Match(ItemOf("anything", "anyone")));
}

TEST(ItemFilterLists, StatusesFillFromTheFrontAndZeroEmpties) {
    CItemFilter filter;
    EXPECT_TRUE(filter.HasStatus(0));
    for (std::int32_t id = 150; id < 170; ++id) {
        ASSERT_TRUE(filter.AddStatus(id));
    }
    EXPECT_TRUE(filter.AddStatus(155));  // already there
    EXPECT_FALSE(filter.AddStatus(200));
    EXPECT_TRUE(filter.HasStatus(169));
    EXPECT_FALSE(filter.HasStatus(200));
    EXPECT_FALSE(filter.HasStatus(0));

    EXPECT_TRUE(filter.AddStatus(0));
    EXPECT_TRUE(filter.HasStatus(0));
    EXPECT_FALSE(filter.HasStatus(150));
}

TEST(ItemFilterLists, RemovingACategoryClosesTheGap) {
    CItemFilter filter;
    for (const std::int32_t id : {152, 153, 154}) {
        filter.AddCategory(id);
    }
    EXPECT_FALSE(filter.RemoveCategory(160));
    EXPECT_TRUE(filter.RemoveCategory(153));
    EXPECT_EQ(filter.GetCategories().Entries(), (std::vector<std::int32_t>{152, 154}));
    EXPECT_EQ(filter.GetCategories().Slot(2), 0);
    EXPECT_TRUE(filter.AddCategory(0));
    EXPECT_TRUE(filter.HasCategory(0));
}

TEST(ItemFilterLists, FoldersTakeDuplicatesUntilFull) {
    CItemFilter filter;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(filter.AddFolder(250));
    }
    EXPECT_FALSE(filter.AddFolder(251));
    EXPECT_EQ(filter.GetFolders().Entries().size(), 20u);
}

struct MatchCase {
    const char* name;
    CItemFilter filter;
    CAucItem item;
    bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << c.name;
}

CItemFilter WithFolders(std::initializer_list<std::int32_t> folders) {
    CItemFilter filter;
    for (const std::int32_t id : folders) {
        filter.AddFolder(id);
    }
    return filter;
}

CItemFilter WithStatuses(std::initializer_list<std::int32_t> statuses) {
    CItemFilter filter;
    for (const std::int32_t id : statuses) {
        filter.AddStatus(id);
    }
    return filter;
}

CItemFilter WithCategories(std::int32_t mode, std::initializer_list<std::int32_t> categories) {
    CItemFilter filter;
    filter.SetCategoryMode(mode);
    for (const std::int32_t id : categories) {
        filter.AddCategory(id);
    }
    return filter;
}

CItemFilter WithBids(std::int32_t bids) {
    CItemFilter filter;
    filter.SetBids(bids);
    return filter;
}

CItemFilter WithSearch(int fieldId, const char* text) {
    CItemFilter filter;
    filter.SetSearch(fieldId, text);
    return filter;
}

CAucItem InFolder(std::int32_t folderId) {
    CAucItem item;
    item.SetFolderId(folderId);
    return item;
}

CAucItem WithStatus(std::int32_t status) {
    CAucItem item;
    item.SetStatus(status, true);
    return item;
}

CAucItem Sold() {
    CAucItem item;
    item.SetBuyerId("buyer");
    return item;
}

CAucItem Described(const char* description) {
    CAucItem item;
    item.SetDescription(description);
    return item;
}

CAucItem CategoriesAndText(std::initializer_list<std::int32_t> categories, const char* note) {
    CAucItem item = ItemWithCategories(categories);
    item.SetItemNote(note);
    return item;
}

CItemFilter CategoriesWithSearch(std::int32_t mode, std::initializer_list<std::int32_t> ids,
                                 const char* text) {
    CItemFilter filter = WithCategories(mode, ids);
    filter.SetSearch(field::ItemNote, text);
    return filter;
}

class ItemFilterMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(ItemFilterMatchTest, AppliesEachCriterion) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(c.filter.Match(c.item), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, ItemFilterMatchTest,
    ::testing::Values(
        MatchCase{"FolderListed", WithFolders({160, 250}), InFolder(250), true},
        MatchCase{"FolderNotListed", WithFolders({160, 250}), InFolder(101), false},
        MatchCase{"StatusListed", WithStatuses({150, 116}), WithStatus(116), true},
        MatchCase{"StatusNotListed", WithStatuses({150}), WithStatus(116), false},
        MatchCase{"BidsWantsSold", WithBids(112), Sold(), true},
        MatchCase{"BidsRefusesUnsold", WithBids(112), CAucItem(), false},
        MatchCase{"NoBidsRefusesSold", WithBids(113), Sold(), false},
        MatchCase{"NoBidsWantsUnsold", WithBids(113), CAucItem(), true},
        MatchCase{"OtherBidsValueTestsNothing", WithBids(111), CAucItem(), true},
        MatchCase{"NoCategoryMatchesUncategorised", WithCategories(0, {117}), CAucItem(), true},
        MatchCase{"NoCategoryRefusesCategorised", WithCategories(0, {117}),
                  ItemWithCategories({152}), false},
        MatchCase{"AnyWithOne", WithCategories(0, {152, 153}), ItemWithCategories({153}), true},
        MatchCase{"AnyWithNone", WithCategories(0, {152, 153}), ItemWithCategories({154}), false},
        MatchCase{"AllWithBoth", WithCategories(1, {152, 153}), ItemWithCategories({152, 153, 154}),
                  true},
        MatchCase{"AllWithOne", WithCategories(1, {152, 153}), ItemWithCategories({152}), false},
        MatchCase{"AnyThenText", CategoriesWithSearch(0, {152}, "fragile"),
                  CategoriesAndText({152}, "Fragile!"), true},
        MatchCase{"AnyThenTextFails", CategoriesWithSearch(0, {152}, "fragile"),
                  CategoriesAndText({152}, "sturdy"), false},
        MatchCase{"AllThenTextFails", CategoriesWithSearch(1, {152}, "fragile"),
                  CategoriesAndText({152}, "sturdy"), false},
        MatchCase{"SearchIgnoresCase", WithSearch(field::Description, "lamp"),
                  Described("BRASS LAMPSHADE"), true},
        MatchCase{"SearchAccented", WithSearch(field::Description, "\xE9t\xE9"),
                  Described("L'\xC9T\xC9"), true},
        MatchCase{"SearchMisses", WithSearch(field::Description, "lamp"), Described("vase"), false},
        MatchCase{"EmptySearchMatches", WithSearch(field::Description, ""), Described("vase"),
                  true},
        MatchCase{"SearchAuctionId", WithSearch(field::AuctionId, "item"), CAucItem(), true}));

TEST(ItemFilterSearch, AcceptsOnlyTheSearchableTextFields) {
    const int accepted[] = {0, 500, 501, 506, 507, 520, 521, 522, 523, 525, 527, 530, 532, 536};
    for (const int id : accepted) {
        CItemFilter filter;
        EXPECT_TRUE(filter.SetSearch(id, "x")) << id;
        EXPECT_EQ(filter.GetSearchField(), id);
        EXPECT_EQ(filter.GetSearchText(), "x");
    }
    for (const int id : {508, 502, 505, 524, 526, 528, 538, 543, 549, 1}) {
        CItemFilter filter;
        filter.SetSearch(field::Description, "kept");
        EXPECT_FALSE(filter.SetSearch(id, "x")) << id;
        EXPECT_EQ(filter.GetSearchField(), field::Description);
        EXPECT_EQ(filter.GetSearchText(), "kept");
    }
}

TEST(ItemFilterDates, RangeIncludesFromAndExcludesTo) {
    CItemFilter filter;
    filter.SetDateSelector(CItemFilter::EndDate);
    ASSERT_TRUE(filter.SetDateRange(March(1), March(2)));

    const struct {
        const char* end;
        bool matches;
    } cases[] = {{"3/1/2023", true},  {"3/1/2023 11:59:00 PM", true},
                 {"3/2/2023", false}, {"2/28/2023 11:59:00 PM", false},
                 {"", false},         {"junk", false}};
    for (const auto& c : cases) {
        CAucItem item;
        item.SetEndDate(c.end);
        EXPECT_EQ(filter.Match(item), c.matches) << c.end;
    }
}

TEST(ItemFilterDates, SelectorChoosesTheItemDate) {
    CAucItem item;
    item.SetStartDate("3/1/2023");
    item.SetEndDate("3/2/2023");
    item.SetPayDate("3/3/2023");
    item.SetShipDate("3/4/2023");
    item.SetUpdated("3/5/2023");
    const std::pair<std::int32_t, int> selectors[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4},
                                                      {4, 5}, {5, 1}, {-1, 1}};
    for (const auto& [selector, day] : selectors) {
        CItemFilter filter;
        filter.SetDateSelector(selector);
        filter.SetDateRange(March(day), March(day + 1));
        EXPECT_TRUE(filter.Match(item)) << selector;
        filter.SetDateRange(March(day + 1), March(day + 2));
        EXPECT_FALSE(filter.Match(item)) << selector;
    }
}

struct RangeCase {
    const char* name;
    gb::DateTime from;
    gb::DateTime to;
    bool accepted;
    gb::DateTime storedFrom;
    gb::DateTime storedTo;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class DateRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DateRangeTest, RefusesBadRangesAndKeepsTheOldOne) {
    const RangeCase& c = GetParam();
    CItemFilter filter;
    ASSERT_TRUE(filter.SetDateRange(March(10), March(20)));
    EXPECT_EQ(filter.SetDateRange(c.from, c.to), c.accepted);
    EXPECT_EQ(filter.GetDateFrom(), c.storedFrom);
    EXPECT_EQ(filter.GetDateTo(), c.storedTo);
}

const gb::DateTime kNull = gb::DateTime::Null();
const gb::DateTime kInvalid = gb::DateTime::Invalid();

INSTANTIATE_TEST_SUITE_P(
    Ranges, DateRangeTest,
    ::testing::Values(RangeCase{"Later", March(1), March(2), true, March(1), March(2)},
                      RangeCase{"SameDay", March(5), March(5), false, March(10), March(20)},
                      RangeCase{"Backwards", March(5), March(4), false, March(10), March(20)},
                      RangeCase{"NullTo", March(5), kNull, false, March(10), March(20)},
                      RangeCase{"InvalidTo", March(5), kInvalid, false, March(10), March(20)},
                      RangeCase{"InvalidFrom", kInvalid, March(5), false, March(10), March(20)},
                      RangeCase{"NullFromSwitchesOff", kNull, March(5), true, kNull, March(5)},
                      RangeCase{"NullBoth", kNull, kNull, true, kNull, kNull},
                      RangeCase{"NullFromInvalidTo", kNull, kInvalid, false, kNull, kNull}));

TEST(ItemFilterDates, NullFromTestsNoDateAndTextsFollowTheLocale) {
    CItemFilter filter;
    filter.SetDateRange(kNull, March(5));
    EXPECT_TRUE(filter.Match(CAucItem()));
    EXPECT_EQ(filter.GetDateFromText(), "");
    EXPECT_EQ(filter.GetDateToText(), "3/5/2023");
    filter.SetDateRange(gb::DateTime::FromCivil(2023, 3, 1, 15, 30), March(5));
    EXPECT_EQ(filter.GetDateFromText(), "3/1/2023");
}

// An empty filter's archive form.
std::string EmptyFilterBytes() {
    HandBuiltRecord r;
    r.Int32(15).NullDate().NullDate().Int32(0).Int32(0).Text("").Int32(0).Int32(0);
    for (int i = 0; i < 20; ++i) {
        r.Text("").Text("").Int32(0).Int32(0).Int32(0);
    }
    return r.Bytes();
}

TEST(ItemFilterArchive, EmptyFilterHasAFixedSize) {
    CItemFilter filter;
    gb::Archive out = gb::Archive::ForStoring("filter");
    filter.Serialize(out);
    EXPECT_EQ(out.Bytes().size(), 325u);
    EXPECT_EQ(out.Bytes(), EmptyFilterBytes());

    CItemFilter reread;
    reread.SetStateMask(3);
    reread.AddStatus(150);
    gb::Archive in = gb::Archive::ForLoading(out.Bytes(), "filter");
    reread.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(reread, filter);
}

TEST(ItemFilterArchive, RoundTripsEveryField) {
    CItemFilter filter;
    filter.SetStateMask(6);
    filter.SetDateRange(March(1, 8, 30), March(9));
    filter.SetBids(112);
    filter.SetSearch(field::ShippingAddress, "Springfield");
    filter.SetCategoryMode(1);
    filter.SetDateSelector(CItemFilter::PayDate);
    filter.AddSeller("eBay USA", "seller1");
    filter.AddSeller("eBay UK", "seller2");
    filter.AddCategory(152);
    filter.AddStatus(150);
    filter.AddStatus(151);
    filter.AddFolder(250);

    gb::Archive out = gb::Archive::ForStoring("filter");
    filter.Serialize(out);
    CItemFilter reread;
    gb::Archive in = gb::Archive::ForLoading(out.Bytes(), "filter");
    reread.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(reread, filter);
}

TEST(ItemFilterArchive, SlotsAfterAGapSurviveUntouched) {
    // A file whose status list has an entry behind its terminator.
    std::string bytes = EmptyFilterBytes();
    HandBuiltRecord status;
    status.Int32(155);
    const std::size_t secondSlotStatus = 45 + 14 + 1 + 1 + 4;
    bytes.replace(secondSlotStatus, 4, status.Bytes());

    CItemFilter filter;
    gb::Archive in = gb::Archive::ForLoading(bytes, "filter");
    filter.Serialize(in);
    EXPECT_TRUE(filter.HasStatus(0));
    EXPECT_FALSE(filter.HasStatus(155));
    EXPECT_EQ(filter.GetStatuses().Slot(1), 155);

    gb::Archive out = gb::Archive::ForStoring("filter");
    filter.Serialize(out);
    EXPECT_EQ(out.Bytes(), bytes);
}

TEST(ItemFilterArchive, AShortArchiveThrows) {
    const std::string bytes = EmptyFilterBytes();
    for (const std::size_t length : {std::size_t{0}, std::size_t{44}, bytes.size() - 1}) {
        CItemFilter filter;
        gb::Archive in = gb::Archive::ForLoading(bytes.substr(0, length), "filter");
        EXPECT_THROW(filter.Serialize(in), gb::ArchiveException) << length;
    }
}

}  // namespace
