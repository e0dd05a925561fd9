// The item list at the size of a long-standing seller's profile: merging an
// update run's rows into 100,000 items, rebuilding a folder's display of
// 100,000 items, and finding one key among them.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "itemdb/AucItem.h"
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

}  // namespace
