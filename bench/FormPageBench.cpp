// Reading the forms of a page of the largest size a load takes (4 MiB): a
// plain page of table rows, and hostile pages built to make the HTML parser
// work with the square of their nesting or reopen elements without end,
// which are refused before the parser starts. Every one of them should take
// well under a second.

#include <benchmark/benchmark.h>

#include <string>

#include "retrieval/browser/HtmlDocument.h"

using gb::retrieval::HtmlDocument;
using gb::retrieval::PageTooDeep;

namespace {

constexpr std::size_t kPageLimit = std::size_t{4} << 20;

// `head`, then `piece` as often as the page limit allows.
std::string Filled(std::string head, const std::string& piece) {
    while (head.size() + piece.size() <= kPageLimit) {
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

std::string Page(int kind) {
    const int justBelowTheLimit = static_cast<int>(HtmlDocument::kMaxNesting) - 10;
    switch (kind) {
        case 0:  // a real page's shape: rows of cells, a form field in each
            return Filled("<table>", "<tr><td><font size=2>Lamp<td><input name=q value=1>");
        case 1:  // nested divisions, the page full
            return Filled("", "<div>");
        case 2:  // nested just below the limit, then stray end tags
            return Filled(Repeated("<span>", justBelowTheLimit), "</x>");
        case 3:  // nested just below the limit, then blocks that search it
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

void BM_ReadFormsOfAFullSizePage(benchmark::State& state) {
    const std::string page = Page(static_cast<int>(state.range(0)));
    bool refused = false;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(HtmlDocument::Parse(page));
            refused = false;
        } catch (const PageTooDeep&) {
            refused = true;
        }
    }
    state.counters["refused"] = refused ? 1 : 0;
}
BENCHMARK(BM_ReadFormsOfAFullSizePage)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
