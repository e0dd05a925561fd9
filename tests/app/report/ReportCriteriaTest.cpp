#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/core/columns/ColumnChoice.h"
#include "app/core/report/CriteriaLists.h"
#include "app/core/report/ReportCriteria.h"
#include "app/core/report/ReportDateRange.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemFilter.h"
#include "platform/Cp1252.h"

namespace gb::app {
namespace {

using gb::DateTime;
using gb::itemdb::CItemFilter;

// '!' plus the count, then '!' plus each code.
std::string Codes(std::initializer_list<int> codes) {
    std::string set(1, static_cast<char>('!' + codes.size()));
    for (const int code : codes) {
        set += static_cast<char>('!' + code);
    }
    return set;
}

// The Display page edits a report's columns through the folders' column choice.
TEST(ReportColumns, InactiveEntryDropsOutAndUpDownOrderIsStored) {
    gb::itemdb::CFeeSchedule fees;
    fees.SetCurrent(2);
    fees.SetActive(true);
    fees.SetName("Handling");
    fees.SetType(gb::itemdb::fee_type::Charge);
    // Entry 4 is not active; 32 is Auction ID, 37 Max Bid, 33 Description.
    ColumnChoice chooser(Codes({32, 4, 2, 37, 33}), fees);
    ASSERT_EQ(chooser.Shown().size(), 4u);
    EXPECT_EQ(chooser.Shown()[1].title, "Handling*");

    EXPECT_EQ(chooser.MoveShown(3, -1), 2);
    EXPECT_EQ(chooser.MoveShown(0, -1), 0);
    EXPECT_EQ(chooser.MoveShown(3, +1), 3);

    EXPECT_EQ(chooser.ColumnSetText(), Codes({32, 2, 33, 37}));
}

TEST(ReportColumns, HiddenColumnGoesBackInNameOrder) {
    ColumnChoice chooser(Codes({37}), gb::itemdb::CFeeSchedule());
    const int back = chooser.Hide(0);

    EXPECT_EQ(chooser.Available()[static_cast<std::size_t>(back)].title, "Max Bid");
    EXPECT_TRUE(std::is_sorted(chooser.Available().begin(), chooser.Available().end(),
                               [](const ColumnEntry& a, const ColumnEntry& b) {
                                   return gb::cp1252::CompareNoCase(a.title, b.title) < 0;
                               }));
    EXPECT_EQ(chooser.Show(0, -1), 0);
    EXPECT_EQ(chooser.ColumnSetText().size(), 2u);
}

TEST(ReportDateRange, ProposalIsTheCurrentMonth) {
    const DateRange range = ProposedRange(DateTime::FromCivil(2024, 1, 31, 15, 20));

    EXPECT_EQ(range.from, DateTime::FromCivil(2024, 1, 1));
    EXPECT_EQ(range.to, DateTime::FromCivil(2024, 2, 1));
}

TEST(ReportDateRange, SameDayIsRefusedAndTheOldRangeKept) {
    CItemFilter filter;
    const DateTime march1 = DateTime::FromCivil(2024, 3, 1);
    const DateTime march2 = DateTime::FromCivil(2024, 3, 2);
    ASSERT_FALSE(StoreDateRange(filter, true, CItemFilter::EndDate, {march1, march2}));

    EXPECT_TRUE(StoreDateRange(filter, true, CItemFilter::PayDate, {march2, march2}));

    EXPECT_EQ(filter.GetDateFrom(), march1);
    EXPECT_EQ(filter.GetDateSelector(), CItemFilter::EndDate);
}

TEST(ReportDateRange, RegardlessSwitchesTheDateTestOff) {
    CItemFilter filter;
    StoreDateRange(filter, true, CItemFilter::EndDate,
                   {DateTime::FromCivil(2024, 3, 1), DateTime::FromCivil(2024, 3, 2)});

    EXPECT_FALSE(
        StoreDateRange(filter, false, CItemFilter::EndDate,
                       {DateTime::FromCivil(2024, 3, 5), DateTime::FromCivil(2024, 3, 5)}));

    EXPECT_FALSE(filter.GetDateFrom().IsValid());
    EXPECT_EQ(filter.GetDateSelector(), 0);
}

TEST(CriteriaLists, RegardlessEmptiesThePairsEvenWithLinesSelected) {
    CItemFilter filter;
    filter.AddSeller("eBay USA", "old");
    const SellerLine lines[] = {{"eBay USA -- a", "eBay USA", "a", true}};

    StoreSellers(filter, lines, false);
    EXPECT_TRUE(filter.HasSeller(std::nullopt, {}));

    StoreSellers(filter, lines, true);
    EXPECT_TRUE(filter.HasSeller("eBay USA", "A"));
    EXPECT_FALSE(filter.HasSeller("eBay USA", "old"));
}

TEST(CriteriaLists, CategoryChoiceFollowsTheFilter) {
    CItemFilter filter;
    EXPECT_EQ(CategoryChoiceOf(filter), CategoryChoice::Regardless);
    filter.AddCategory(152);
    EXPECT_EQ(CategoryChoiceOf(filter), CategoryChoice::Any);
    filter.SetCategoryMode(1);
    EXPECT_EQ(CategoryChoiceOf(filter), CategoryChoice::All);
}

TEST(ReportCriteria, StoredIntoTheFolderAndReadBackWithAnEmptyNameKeepingTheOld) {
    gb::itemdb::CFolderTree tree;
    gb::itemdb::FolderBlueprint::AddDefaultFolders(tree);
    const std::int32_t report = tree.FindFolder("Sample - Rename this", gb::itemdb::folder::Reports,
                                                0, gb::itemdb::folder::Sample);
    ASSERT_NE(report, 0);
    ReportCriteria criteria = *ReadReportCriteria(tree, report);
    criteria.name.clear();
    criteria.title = "March sales";
    criteria.columnSet = Codes({32, 37});
    criteria.filter.AddStatus(116);

    ASSERT_TRUE(StoreReportCriteria(tree, report, criteria));

    const ReportCriteria stored = *ReadReportCriteria(tree, report);
    EXPECT_EQ(stored.name, "Sample - Rename this");
    EXPECT_EQ(stored.title, "March sales");
    EXPECT_EQ(stored.columnSet, Codes({32, 37}));
    EXPECT_TRUE(stored.filter.HasStatus(116));
    EXPECT_FALSE(ReadReportCriteria(tree, 99999));
}

}  // namespace
}  // namespace gb::app
