// Bulk-updating a large selection: every field of the template applied to
// 10,000 items, itemized fees calculated, each item stored back through the
// item list. Should stay well under a second.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/BulkUpdate.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"

namespace {

using namespace gb::itemdb;

void BM_BulkUpdateTenThousandItems(benchmark::State& state) {
    CItemList items;
    for (int i = 0; i < 10000; ++i) {
        CAucItem item;
        item.SetSite("eBay USA");
        item.SetAuctionId(std::to_string(100000 + i));
        item.SetMaxBid("20.00");
        item.AddCategory(160);
        items.AddItem(item, folder::AuctionEnded);
    }
    items.SetFilter(CItemFilter());
    std::vector<CItemList::ItemId> selection;
    for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
        selection.push_back(items.GetCurrentId());
    }

    CFeeSchedule fees;
    fees.SetCurrent(2);
    fees.SetType(fee_type::SellerFee);
    fees.SetActive(true);
    fees.SetBaseText("0.25");
    fees.SetFactor(0.1f);
    fees.AddField(field::SHCharge - 468);

    gb::app::BulkTemplate bulk;
    bulk.Item().SetSHCharge("5.00");
    bulk.Item().SetShipCost("4.00");
    bulk.Item().SetShippingMethod("Parcel");
    bulk.Item().SetItemNote("checked");
    bulk.Item().SetShipDate("3/4/2005");
    bulk.Item().SetRating("10");
    bulk.Item().AddItemizedFee(2);
    bulk.Item().AddCategory(161);
    bulk.Flags().itemizeFees = true;
    bulk.Flags().updateCategories = true;
    const std::vector<std::int32_t> categories{160, 161, 162};

    for (auto _ : state) {
        const auto result = gb::app::ApplyBulkUpdate(items, selection, bulk, fees, categories);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(selection.size()));
}
BENCHMARK(BM_BulkUpdateTenThousandItems)->Unit(benchmark::kMillisecond);

}  // namespace
