// Reading the forms of a page. Every page from the network is read by the
// page-reading program in a process of its own; its cost per page (start,
// transfer, parse, answer) stands beside gumbo's parse of the same page in
// this process, for a sign-in page, a large listing page and a page of the
// largest size a load takes (4 MiB). Then pages of that size built to make
// the parser work with the square of their nesting or reopen elements without
// end: the reader's limits refuse all but the one nested just below the
// limit, which takes the parser about a second.

#include <benchmark/benchmark.h>

#include <string>

#include "retrieval/browser/HtmlDocument.h"
#include "retrieval/reader/FormReader.h"

using gb::retrieval::FormReader;
using gb::retrieval::HtmlDocument;
using gb::retrieval::PageNotRead;

namespace {

constexpr std::size_t kPageLimit = std::size_t{4} << 20;

// `head`, then `piece` until the page has `size` bytes or nearly.
std::string Filled(std::string head, const std::string& piece, std::size_t size = kPageLimit) {
    while (head.size() + piece.size() <= size) {
        head += piece;
    }
    return head;
}

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// Real pages' shapes: a sign-in page of some 6 KB, a listing of 100 KB, and
// rows of cells with a form field in each up to the page limit.
std::string RealPage(int kind) {
    const std::string row =
        "<tr bgcolor=#efefef><td><a href=/item?id=1>Item</a><td>$1.00<td><font size=1>3d "
        "4h</font><td><input type=checkbox name=c value=1></tr>\r\n";
    switch (kind) {
        case 0:
            return Filled("<html><head><title>Sign In</title></head><body><table>", row, 6000) +
                   "</table><form name=SignInForm method=post action=/signin>"
                   "<input name=userid><input type=password name=pass>"
                   "<input type=submit value='Sign In'></form></body></html>";
        case 1:
            return Filled("<html><body><form name=f><table>", row, 100'000) + "</table></form>";
        default:
            return Filled("<table>", "<tr><td><font size=2>Lamp<td><input name=q value=1>");
    }
}

void BM_ReadPageInTheReader(benchmark::State& state) {
    const std::string page = RealPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(HtmlDocument::Parse(page));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
// Timed by the clock: the work is the reader's, not this process's.
BENCHMARK(BM_ReadPageInTheReader)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadPageInThisProcess(benchmark::State& state) {
    const std::string page = RealPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormReader::Read(page));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ReadPageInThisProcess)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

std::string HostilePage(int kind) {
    const int justBelowTheLimit = static_cast<int>(HtmlDocument::kMaxNesting) - 10;
    switch (kind) {
        case 0:  // nested divisions, the page full
            return Filled("", "<div>");
        case 1:  // nested just below the limit, then stray end tags
            return Filled(Repeated("<span>", justBelowTheLimit), "</x>");
        case 2:  // nested just below the limit, then blocks that search it
            return Filled(Repeated("<div>", justBelowTheLimit), "<div></div>");
        default: {  // formatting elements reopened before every paragraph
            std::string bolds;
            for (int i = 0; i < 190; ++i) {
                bolds += "<b id=" + std::to_string(i) + ">";
            }
            return Filled("<p>" + bolds, "</p><p>x");
        }
    }
}

void BM_ReadHostilePage(benchmark::State& state) {
    const std::string page = HostilePage(static_cast<int>(state.range(0)));
    bool refused = false;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(HtmlDocument::Parse(page));
            refused = false;
        } catch (const PageNotRead&) {
            refused = true;
        }
    }
    state.counters["refused"] = refused ? 1 : 0;
}
BENCHMARK(BM_ReadHostilePage)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
