// Parses a 200-row listing page end to end through the site object, the way
// the retrieval worker drives it: SetSummaryPage, then per row GetBuyerURL,
// ParseData with an empty buyer page and MoveNextRow, each row fired to a sink.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "interfaces/IBidscopeEvents.h"
#include "platform/ComObject.h"
#include "platform/Locale.h"
#include "sites/SiteBase.h"

using namespace gb::sites;

namespace {

constexpr int kRows = 200;

// A row with bids, a Dutch auction and a sold fixed-price sale in turn.
std::string ListingRow(int i) {
    const std::string item = std::to_string(2150000000 + i);
    const std::string buyer = "buyer" + std::to_string(i);
    std::string sale;
    std::string price = "US $" + std::to_string(10 + i) + ".50";
    switch (i % 3) {
        case 0:
            price = "<b>" + price + "</b>";
            sale =
                "<a href=\"http://feedback.ebay.com/ws/eBayISAPI.dll?ViewFeedback&userid=" + buyer +
                "\">" + buyer + "</a> (<a href=\"http://feedback.ebay.com/\">42</a>) (*)";
            break;
        case 1:
            sale = "<a href=\"http://offer.ebay.com/ws/eBayISAPI.dll?ViewBids&item=" + item +
                   "#dutch\">ViewBids</a> (3 left)";
            break;
        default:
            sale = "<a href=\"http://offer.ebay.com/ws/eBayISAPI.dll?ViewBids&item=" + item +
                   "\">Purchases</a> (*)";
            break;
    }
    return "<tr bgcolor=\"#EFEFEF\">\r\n"
           "<td valign=\"top\"><a href=\"http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=" +
           item + "\">" + item +
           "</a></td>\r\n"
           "<td valign=\"top\">Mar-15-03 14:22:05 PST</td>\r\n"
           "<td valign=\"top\">Mar-22-03 14:22:05 PST</td>\r\n"
           "<td valign=\"top\" align=\"right\">" +
           price +
           "</td>\r\n"
           "<td valign=\"top\"><font size=\"2\">Antique brass compass &amp; case "
           "<font color=\"red\">rare</font></font></td>\r\n"
           "<td valign=\"top\">" +
           sale +
           "</td>\r\n"
           "<td valign=\"top\"><a href=\"mailto:" +
           buyer + "@example.test\">" + buyer + "@example.test</a></td>\r\n</tr>\r\n";
}

std::string ListingPage() {
    std::string page =
        "<html><head><title>Items for sale</title></head><body>\r\n"
        "<table border=\"1\" cellpadding=\"2\">\r\n"
        "<tr><td colspan=\"7\">Page 1 of 2 <a href=\"?page=2\">&gt;&gt;</a></td></tr>\r\n";
    for (int i = 0; i < kRows; ++i) {
        page += ListingRow(i);
    }
    return page + "<tr><td colspan=\"7\">End of list</td></tr></table></body></html>\r\n";
}

class CountingSink final : public gb::ComObject<_IBidscopeEvents> {
public:
    HRESULT UpdateRow(std::uint16_t, const char*, const char*, const char* lpszItem, const char*,
                      const char*, const char*, const char*, const char*, const char*, const char*,
                      const char*, const char*, const char*, const char*, const char*, const char*,
                      const char*) override {
        benchmark::DoNotOptimize(lpszItem);
        ++rows;
        return S_OK;
    }

    std::int64_t rows = 0;
};

void BM_SiteObjectParsesListingPage(benchmark::State& state) {
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    const std::string page = ListingPage();
    const auto site = gb::MakeObject<CSiteBase>(
        gb::sites::SiteProfileOf(gb::sites::SiteClass::eBayUSA), gb::sites::HostLookup());
    const auto sink = gb::MakeObject<CountingSink>();
    gb::ComPtr<IConnectionPoint> point;
    site->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put());
    std::uint32_t cookie = 0;
    point->Advise(sink.Get(), &cookie);
    site->SetUser("seller1", "secret");

    for (auto _ : state) {
        HRESULT status = site->SetSummaryPage(page.c_str());
        while (status == S_OK) {
            std::array<char, 512> url{};
            status = site->GetBuyerURL(url.data(), 512);
            if (status == S_OK) {
                status = site->ParseData("");
            }
            if (status == S_OK) {
                status = site->MoveNextRow();
            }
        }
        std::uint16_t more = 0;
        site->GoNextPage(&more);
    }
    if (sink->rows != state.iterations() * kRows) {
        state.SkipWithError("the site object did not fire every row");
    }
    state.SetItemsProcessed(sink->rows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
    point->Unadvise(cookie);
}
BENCHMARK(BM_SiteObjectParsesListingPage)->Unit(benchmark::kMillisecond);

}  // namespace
