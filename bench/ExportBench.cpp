// Exporting a folder of 100,000 items in each layout with the default
// columns; it should take well under a second.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/core/ListRows.h"
#include "app/core/export/ExportFile.h"
#include "app/core/export/ExportFormatter.h"
#include "itemdb/AucItem.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FeeSchedule.h"
#include "platform/Locale.h"

using namespace gb::itemdb;

namespace {

constexpr int kFolderItems = 100'000;

std::vector<CAucItem> FolderItems() {
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    CAucItem model;
    model.SetSite("eBay USA");
    model.SetDescription("Antique brass compass with case, working order");
    model.SetStartDate("3/1/2023");
    model.SetEndDate("3/8/2023");
    model.SetMinBid("9.99");
    model.SetBuyerId("buyer_one");
    model.SetEmail("buyer@example.com");
    model.SetRating("42");
    model.SetInsertionFee("0.35");
    model.SetFinalFee("1.73");
    std::vector<CAucItem> items(kFolderItems, model);
    for (int i = 0; i < kFolderItems; ++i) {
        items[static_cast<std::size_t>(i)].SetAuctionId(std::to_string(2'150'000'000LL + i));
        items[static_cast<std::size_t>(i)].SetMaxBid(std::to_string(10 + i % 500) + ".50");
    }
    return items;
}

void BM_ExportFolder(benchmark::State& state) {
    const std::vector<CAucItem> items = FolderItems();
    std::vector<const CAucItem*> pointers;
    for (const CAucItem& item : items) {
        pointers.push_back(&item);
    }
    CFeeSchedule fees;
    const gb::app::ListRows rows(pointers, fees, nullptr);
    const gb::app::ExportFormatter formatter(
        gb::app::ExportFormatter::ColumnsOf(
            ColumnSet::Standard(StandardColumnSet::Default).ToText(), fees),
        static_cast<gb::app::ExportType>(state.range(0)), ',');
    for (auto _ : state) {
        benchmark::DoNotOptimize(gb::app::ExportText(formatter, rows));
    }
    state.SetItemsProcessed(state.iterations() * kFolderItems);
}
BENCHMARK(BM_ExportFolder)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
