// Walks a 200-row listing page with the HTML cursor the way a site object
// does: each row is entered on the page cursor, copied into a row cursor and
// cut into its cells.

#include <benchmark/benchmark.h>

#include <string>

#include "sites/HtmlParser.h"

using namespace gb::sites;

namespace {

constexpr int kRows = 200;

std::string ListingRow(int i) {
    const std::string item = std::to_string(2150000000 + i);
    return "<tr bgcolor=\"#EFEFEF\">\r\n"
           "<td valign=\"top\"><font size=\"2\"><a href=\"http://cgi.ebay.com/ws/"
           "eBayISAPI.dll?ViewItem&item=" +
           item + "\">" + item +
           "</a></font></td>\r\n"
           "<td valign=\"top\"><font size=\"2\">Mar-15-03 14:22:05 PST</font></td>\r\n"
           "<td valign=\"top\"><font size=\"2\">Mar-22-03 14:22:05 PST</font></td>\r\n"
           "<td valign=\"top\" align=\"right\"><b>$" +
           std::to_string(10 + i) +
           ".50</b></td>\r\n"
           "<td valign=\"top\"><font size=\"2\">Antique brass compass &amp; case "
           "<font color=\"red\">rare</font></font></td>\r\n"
           "<td valign=\"top\"><a href=\"http://feedback.ebay.com/ws/eBayISAPI.dll?"
           "ViewFeedback&userid=buyer" +
           std::to_string(i) + "\">buyer" + std::to_string(i) +
           "</a> (<a href=\"http://feedback.ebay.com/\">42</a>) (*)</td>\r\n"
           "<td valign=\"top\"><a href=\"mailto:buyer@example.test\">buyer" +
           std::to_string(i) + "@example.test</a></td>\r\n</tr>\r\n";
}

std::string ListingPage() {
    std::string page =
        "<html><head><title>Items for sale</title></head><body>\r\n"
        "<table border=\"0\" width=\"100%\"><tr><td>Header</td><td>"
        "<a href=\"?page=2\">&gt;&gt;&gt;</a></td></tr></table>\r\n"
        "<table border=\"1\" cellpadding=\"2\">\r\n";
    for (int i = 0; i < kRows; ++i) {
        page += ListingRow(i);
    }
    page += "</table></body></html>\r\n";
    return page;
}

// Cuts one row into its texts; returns how many bytes of text it took.
std::size_t ParseRow(CHtmlParser& row) {
    std::size_t taken = 0;
    const auto cell = [&](bool anchored) {
        if (!row.EnterTag("<td>", "</td>")) {
            return;
        }
        if (anchored && row.EnterTag("<a>", "</a>")) {
            taken += row.GetText().size();
            row.Leave("</a>");
        } else {
            taken += row.GetText().size();
        }
        row.Leave("</td>");
    };
    cell(true);
    cell(false);
    cell(false);
    if (row.EnterTag("<td>", "</td>")) {
        if (row.EnterTag("<b>", "</b>")) {
            taken += row.GetText().size();
            row.Leave("</b>");
        }
        row.Leave("</td>");
    }
    if (row.EnterTag("<td>", "</td>")) {
        if (row.EnterTag("<font>", "</font>")) {
            taken += row.GetText().size();
            row.Leave("</font>");
        }
        row.Leave("</td>");
    }
    if (row.EnterTag("<td>", "</td>")) {
        if (row.EnterTag("<a>", "</a>")) {
            taken += row.GetText().size();
            row.Leave("</a>");
        }
        if (row.Enter("(*", ")")) {
            row.Leave(")");
        }
        row.Leave("</td>");
    }
    cell(true);
    return taken;
}

void BM_WalkListingPage(benchmark::State& state) {
    const std::string page = ListingPage();
    CHtmlParser pageCursor;
    CHtmlParser rowCursor;
    for (auto _ : state) {
        pageCursor.SetText(page);
        std::size_t rows = 0;
        std::size_t taken = 0;
        while (pageCursor.EnterTag("<tr>", "</tr>")) {
            if (pageCursor.Find("item=")) {
                rowCursor.SetText(pageCursor.GetText());
                taken += ParseRow(rowCursor);
                ++rows;
            }
            if (!pageCursor.Leave("</tr>")) {
                break;
            }
        }
        if (rows != kRows) {
            state.SkipWithError("not every row was found");
            break;
        }
        benchmark::DoNotOptimize(taken);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(page.size()));
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_WalkListingPage)->Unit(benchmark::kMicrosecond);

}  // namespace

// Broken pages must not make entering an element slow: many nested open
// markers, their close markers, then a long tail without any open marker.
void BM_EnterDeeplyNested(benchmark::State& state) {
    const auto depth = static_cast<std::size_t>(state.range(0));
    std::string text(depth, '(');
    text.append(depth, ')');
    text.append(100000, 'x');
    CHtmlParser parser;
    for (auto _ : state) {
        parser.SetText(text);
        if (!parser.Enter("(", ")")) {
            state.SkipWithError("the outer element was not entered");
            break;
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_EnterDeeplyNested)
    ->Range(1 << 8, 1 << 16)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);
