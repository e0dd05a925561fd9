// The item list at the size of a long-standing seller's profile: merging an
// update run's rows into 100,000 items, rebuilding a folder's display of
// 100,000 items, finding one key among them, and what the list view does with
// a folder of all of them (its Qt-free part): loading the folder in order of
// end time and sorting it by a column.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/core/FolderLoad.h"
#include "app/core/ItemSortKey.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/ItemList.h"
#include "itemdb/RetrievedRow.h"
#include "platform/Locale.h"

using namespace gb::itemdb;

namespace {

constexpr int kProfileItems = 100'000;
constexpr int kMergedRows = 10'000;
constexpr long long kFirstItemNumber = 2'150'000'000;
constexpr const char* kSite = "eBay USA";

std::string ItemNumber(long long i) {
    return std::to_string(kFirstItemNumber + i);
}

// Items numbered 0, 2, 4, ...: a fifth in progress, most ended, a tenth archived.
std::unique_ptr<CItemList> Profile() {
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    CAucItem model;
    model.SetSite(kSite);
    model.SetSellerId("seller1");
    model.SetDescription("Antique brass compass with case, working order");
    model.SetStartDate("3/1/2023 10:00:00 AM");
    model.SetEndDate("3/8/2023 10:00:00 AM");
    model.SetBuyerId("buyer1");
    model.SetShippingAddress("12 Main Street\r\nSpringfield");
    model.SetMoneyValue(field::FinalFee, gb::Money::FromUnits(6600));
    model.SetMoneyValue(field::ShipCost, gb::Money::FromUnits(45000));

    auto list = std::make_unique<CItemList>();
    for (int i = 0; i < kProfileItems; ++i) {
        CAucItem item = model;
        item.SetAuctionId(ItemNumber(2LL * i));
        item.SetMoneyValue(field::MaxBid, gb::Money::FromUnits(10000LL * (i % 500)));
        const std::int32_t listCode = i % 10 < 2   ? folder::InProgress
                                      : i % 10 < 9 ? folder::AuctionEnded
                                                   : folder::Archive;
        item.SetStatus(listCode == folder::InProgress ? folder::InProgress : folder::NeedsAttention,
                       true);
        list->AddItem(item, listCode);
    }
    return list;
}

// Half the rows end items of the profile, half are listings seen for the first time.
std::vector<RetrievedRow> UpdateRun() {
    std::vector<RetrievedRow> rows(kMergedRows);
    for (int i = 0; i < kMergedRows; ++i) {
        RetrievedRow& row = rows[static_cast<std::size_t>(i)];
        const bool known = i % 2 == 0;
        row.seller = "seller1";
        row.item = ItemNumber(known ? 20LL * i : 2LL * kProfileItems + 2LL * i + 1);
        row.start = "3/1/2023 10:00:00 AM";
        row.end = "3/8/2023 10:00:00 AM";
        row.price = "$" + std::to_string(10 + i % 90) + ".50";
        row.description = "Antique brass compass with case, working order";
        row.bidder = i % 3 == 0 ? "" : "buyer" + std::to_string(i);
        row.email = "buyer@example.test";
        row.rating = "42";
        row.fees = "$0.35";
        row.commission = "$1.66";
        row.storeInsertionFee = "$0.02";
        row.storeFinalValueFee = "$1.99";
        row.auctionType = "Auction";
        row.buyerLocation = "Springfield";
        row.completion = known ? "*" : "N";
    }
    return rows;
}

void BM_MergeUpdateRunIntoProfile(benchmark::State& state) {
    const std::vector<RetrievedRow> rows = UpdateRun();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CItemList> list = Profile();
        state.ResumeTiming();
        for (const RetrievedRow& row : rows) {
            list->MergeRow(kSite, row, folder::Auctions, -3);
        }
        benchmark::DoNotOptimize(list->IsModified());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kMergedRows);
}
BENCHMARK(BM_MergeUpdateRunIntoProfile)->Unit(benchmark::kMillisecond)->Iterations(5);

void RebuildDisplay(benchmark::State& state, const CItemFilter& filter) {
    const std::unique_ptr<CItemList> list = Profile();
    for (auto _ : state) {
        list->SetFilter(filter);
        benchmark::DoNotOptimize(list->GetTotals().GetCount());
    }
    state.counters["displayed"] = list->GetTotals().GetCount();
}

void BM_RebuildAllItemsDisplay(benchmark::State& state) {
    RebuildDisplay(state, CItemFilter());
}
BENCHMARK(BM_RebuildAllItemsDisplay)->Unit(benchmark::kMillisecond);

// A seller's folder: the site and seller pair and the storage folder are tested on every item.
void BM_RebuildSellerFolderDisplay(benchmark::State& state) {
    CItemFilter filter;
    filter.AddSeller(kSite, "SELLER1");
    filter.AddFolder(folder::Auctions);
    RebuildDisplay(state, filter);
}
BENCHMARK(BM_RebuildSellerFolderDisplay)->Unit(benchmark::kMillisecond);

void BM_FindItemAmongAllLists(benchmark::State& state) {
    const std::unique_ptr<CItemList> list = Profile();
    std::mt19937 random(7);
    std::uniform_int_distribution<long long> pick(0, 2LL * kProfileItems);
    for (auto _ : state) {
        benchmark::DoNotOptimize(list->FindItem(kSite, ItemNumber(pick(random))));
    }
}
BENCHMARK(BM_FindItemAmongAllLists);

// The keys of the displayed items, in display order, as the list view takes
// them when it sorts by a column.
std::vector<gb::app::ItemSortKey> SortKeys(CItemList& list, int sortField, CFeeSchedule& fees) {
    std::vector<gb::app::ItemSortKey> keys;
    keys.reserve(static_cast<std::size_t>(list.GetTotals().GetCount()));
    for (bool more = list.MoveFirst(); more; more = list.MoveNext()) {
        keys.push_back(gb::app::ItemSortKey::Of(*list.GetItemAt(), sortField, fees, nullptr));
    }
    return keys;
}

// A folder of every item loaded in full: the display rebuilt, each row's
// position and end time taken, the rows put in order of end time.
void BM_LoadAllItemsFolderIntoView(benchmark::State& state) {
    const std::unique_ptr<CItemList> list = Profile();
    CFeeSchedule fees;
    std::size_t rows = 0;
    for (auto _ : state) {
        list->SetFilter(CItemFilter());
        const gb::app::FolderLoadPlan plan = gb::app::FolderLoadPlan::For(
            static_cast<std::size_t>(list->GetTotals().GetCount()), true, folder::Sample);
        std::vector<CItemList::ItemId> positions;
        std::vector<gb::app::ItemSortKey> keys;
        positions.reserve(plan.rows);
        keys.reserve(plan.rows);
        for (bool more = list->MoveFirst(); more; more = list->MoveNext()) {
            positions.push_back(list->GetCurrentId());
            keys.push_back(
                gb::app::ItemSortKey::Of(*list->GetItemAt(), plan.sortField, fees, nullptr));
        }
        const std::vector<std::size_t> order = gb::app::LoadedRowOrder(keys, plan.direction);
        rows = order.size();
        benchmark::DoNotOptimize(positions.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_LoadAllItemsFolderIntoView)->Unit(benchmark::kMillisecond);

// A click on a column heading of that folder: the column's keys taken, the
// rows sorted by them. Text, amount and date columns compare differently.
void BM_SortAllItemsByColumn(benchmark::State& state) {
    const std::unique_ptr<CItemList> list = Profile();
    list->SetFilter(CItemFilter());
    CFeeSchedule fees;
    const auto sortField = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::vector<gb::app::ItemSortKey> keys = SortKeys(*list, sortField, fees);
        std::vector<std::size_t> rows(keys.size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
        const int direction =
            keys.empty() ? 1 : gb::app::ClickDirection(&keys.front(), &keys.back());
        gb::app::SortRows(rows, keys, direction);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SortAllItemsByColumn)
    ->Arg(field::Description)
    ->Arg(field::MaxBid)
    ->Arg(field::EndTime)
    ->Unit(benchmark::kMillisecond);

}  // namespace
