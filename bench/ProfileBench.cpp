// Saves and opens a profile of 100,000 items through the document, file
// included: two sellers with their folders, items spread over the in-progress,
// ended and archive lists with typical fields filled.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "itemdb/AucDoc.h"
#include "itemdb/FieldId.h"
#include "platform/Locale.h"

using namespace gb::itemdb;

namespace {

constexpr int kItems = 100000;

void FillProfile(CAucDoc& doc) {
    doc.SetProfileName("Bench");
    CSellerList& sellers = doc.GetSellerList();
    sellers.AddSeller("benchseller", "eBay USA", "{74CCD217-6278-11D5-9B10-00AA00558C1A}");
    sellers.AddSeller("benchseller", "eBay UK", "{74CCD224-6278-11D5-9B10-00AA00558C1A}");
    doc.EnsureSellerFolders();
    sellers.SetCurrent(0);
    const std::int32_t storage = sellers.GetFolderId();
    constexpr std::int32_t kLists[] = {102, 103, 107};
    for (int i = 0; i < kItems; ++i) {
        CAucItem item;
        item.SetSite("eBay USA");
        item.SetSellerId("benchseller");
        item.SetFolderId(storage);
        item.SetAuctionId(std::to_string(3000000000LL + i * 7919LL % 1000000007LL));
        item.SetDescription("Antique brass compass with case, lot " + std::to_string(i));
        item.SetStartDate("3/1/2024 9:15:00 AM");
        item.SetEndDate("3/8/2024 9:15:00 AM");
        item.SetMoneyValue(field::MinBid, gb::Money::FromUnits(99900));
        item.SetMoneyValue(field::MaxBid, gb::Money::FromUnits(10000L * (i % 500)));
        item.SetBuyerId("buyer" + std::to_string(i % 997));
        item.SetEmail("buyer" + std::to_string(i % 997) + "@example.com");
        item.SetShippingAddress("A. Buyer\r\n12 Market Street\r\nSpringfield");
        item.AddCategory(152);
        doc.GetItemList().AddItem(item, kLists[i % 3]);
    }
}

class ScratchFile {
public:
    ScratchFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "gbbench.XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
        }
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path Path() const { return folder_ / "Bench.pro"; }

private:
    std::filesystem::path folder_;
};

void BM_SaveProfile(benchmark::State& state) {
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    ScratchFile file;
    CAucDoc doc;
    FillProfile(doc);
    for (auto _ : state) {
        if (!doc.OnSaveDocument(file.Path())) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file.Path()));
}
BENCHMARK(BM_SaveProfile)->Unit(benchmark::kMillisecond);

void BM_OpenProfile(benchmark::State& state) {
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    ScratchFile file;
    {
        CAucDoc doc;
        FillProfile(doc);
        doc.OnSaveDocument(file.Path());
    }
    CAucDoc doc;
    for (auto _ : state) {
        if (!doc.OnOpenDocument(file.Path())) {
            state.SkipWithError("open failed");
            break;
        }
    }
}
BENCHMARK(BM_OpenProfile)->Unit(benchmark::kMillisecond);

}  // namespace
