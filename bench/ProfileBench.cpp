// Saves and opens a profile of 100,000 items through the document, file
// included: two sellers with their folders, items spread over the in-progress,
// ended and archive lists with typical fields filled.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "SampleProfile.h"
#include "itemdb/AucDoc.h"
#include "platform/Locale.h"

using namespace gb::itemdb;

namespace {

constexpr int kItems = 100000;

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
    gb::testing::FillSampleProfile(doc, kItems);
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
        gb::testing::FillSampleProfile(doc, kItems);
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
