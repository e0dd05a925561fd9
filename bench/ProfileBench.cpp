// Opens and saves a profile of 100,000 items as a user pays for it: every
// measurement is a fresh process, "gbtool open-profile FILE [--save OUT]",
// so that mapping the file, the page faults of new memory and the teardown
// at the end all count, which a warm loop inside one process hides. Beside
// them, as the yardstick the timings are given against, Python's csv module
// reads a CSV file of the profile's size.
//
// Run with repetitions for medians, for example
//   gb_bench --benchmark_filter=Process --benchmark_repetitions=9

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "SampleProfile.h"
#include "itemdb/AucDoc.h"
#include "platform/Locale.h"

extern char** environ;

using namespace gb::itemdb;

namespace {

constexpr int kItems = 100000;

// A scratch folder with the profile and a CSV file of the same size, made
// once for every benchmark of the run.
class Files {
public:
    static const Files& Get() {
        static const Files files;
        return files;
    }
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;
    ~Files() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path Profile() const { return folder_ / "Bench.pro"; }
    std::filesystem::path Saved() const { return folder_ / "Saved.pro"; }
    std::filesystem::path Csv() const { return folder_ / "Bench.csv"; }

private:
    Files() {
        std::string pattern = (std::filesystem::temp_directory_path() / "gbbench.XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
        }
        gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
        CAucDoc doc;
        gb::testing::FillSampleProfile(doc, kItems);
        doc.OnSaveDocument(Profile());
        WriteCsv(std::filesystem::file_size(Profile()));
    }

    // Rows of seven columns, one of them quoted, up to `size` bytes.
    void WriteCsv(std::uintmax_t size) const {
        std::ofstream out(Csv(), std::ios::binary);
        std::uintmax_t written = 0;
        for (int row = 0; written < size; ++row) {
            const std::string number = std::to_string(row);
            const std::string line = "item" + number + ",Some lot title number " + number +
                                     ",12.50,2026-12-01,buyer" + number +
                                     "@example.com,\"A, quoted note\",7\n";
            out << line;
            written += line.size();
        }
    }

    std::filesystem::path folder_;
};

// The folder of the running program, where gbtool stands beside it.
std::filesystem::path ProgramFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// Runs a program to its end with its output discarded; false when it could
// not be started or did not succeed.
bool RunProcess(std::vector<std::string> arguments) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return started == 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void TimeProcess(benchmark::State& state, const std::vector<std::string>& arguments) {
    for (auto _ : state) {
        if (!RunProcess(arguments)) {
            state.SkipWithError(("cannot run " + arguments.front()).c_str());
            break;
        }
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(Files::Get().Profile()));
}

void BM_OpenProfileProcess(benchmark::State& state) {
    const Files& files = Files::Get();
    TimeProcess(state,
                {(ProgramFolder() / "gbtool").string(), "open-profile", files.Profile().string()});
}
BENCHMARK(BM_OpenProfileProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenAndSaveProfileProcess(benchmark::State& state) {
    const Files& files = Files::Get();
    TimeProcess(state, {(ProgramFolder() / "gbtool").string(), "open-profile",
                        files.Profile().string(), "--save", files.Saved().string()});
}
BENCHMARK(BM_OpenAndSaveProfileProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PythonCsvReadProcess(benchmark::State& state) {
    const Files& files = Files::Get();
    TimeProcess(state, {"python3", "-c",
                        "import csv, sys\n"
                        "with open(sys.argv[1], newline='') as f:\n"
                        "    sum(1 for _ in csv.reader(f))\n",
                        files.Csv().string()});
}
BENCHMARK(BM_PythonCsvReadProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
