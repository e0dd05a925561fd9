// For each of the nine sites, the fixture pages walked the way the retrieval
// worker walks them give exactly the rows written by hand beside them, fees
// included. The expected files hold one line per UpdateRow, its 18 arguments
// separated by tabs with backslash, tab, CR and LF written as \\, \t, \r, \n,
// and a last line with the results of SetSummaryPage and GoNextPage.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "FixturePages.h"
#include "WorkerDrive.h"
#include "platform/FileIo.h"
#include "platform/TextTokens.h"
#include "sites/SiteBase.h"
#include "tests/support/PinnedLocale.h"
#include "tests/support/RowRecorder.h"

using gb::test::PinnedLocale;
using gb::test::RowRecorder;
using gb::test::UpdateRowArguments;

using namespace gb::sites;

namespace gb::testing {
namespace {

struct ExpectedWalk {
    std::vector<UpdateRowArguments> rows;
    std::string summary;  // "# summary=S_OK more=1"
};

std::string Unescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        switch (text[++i]) {
            case 't':
                plain += '\t';
                break;
            case 'r':
                plain += '\r';
                break;
            case 'n':
                plain += '\n';
                break;
            default:
                plain += text[i];
                break;
        }
    }
    return plain;
}

ExpectedWalk ReadExpected(const std::filesystem::path& path) {
    ExpectedWalk expected;
    const std::optional<std::string> text = ReadWholeFile(path);
    EXPECT_TRUE(text) << path;
    std::string_view rest = text ? std::string_view(*text) : std::string_view();
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.starts_with('#')) {
            expected.summary = line;
            continue;
        }
        UpdateRowArguments& row = expected.rows.emplace_back();
        std::size_t start = 0;
        for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
             start = tab + 1, tab = line.find('\t', start)) {
            row.push_back(Unescaped(line.substr(start, tab - start)));
        }
        row.push_back(Unescaped(line.substr(start)));
    }
    return expected;
}

std::string SummaryLine(const PageWalk& walk) {
    return std::string("# summary=") + (walk.summary == S_OK ? "S_OK" : "E_FAIL") +
           " more=" + std::to_string(walk.morePages);
}

struct Listing {
    std::string_view page;
    std::string_view expected;
    std::string_view password;
};

constexpr Listing kListings[] = {
    {kListingWithEmailsFile, "listing-emails.expected", "secret"},
    {kPublicListingFile, "listing-public.expected", ""},
};

TEST(SiteFixtureRows, EachSiteGivesTheHandWrittenRows) {
    const PinnedLocale us(1033);
    for (const SiteProfile& profile : AllSiteProfiles()) {
        const std::filesystem::path folder =
            std::filesystem::path(GB_TEST_FIXTURES) / FixtureFolder(profile.siteClass);
        for (const Listing& listing : kListings) {
            SCOPED_TRACE(folder / listing.page);
            const auto site = MakeObject<CSiteBase>(profile, HostLookup());
            const auto recorder = MakeObject<RowRecorder>();
            ComPtr<IConnectionPoint> point;
            ASSERT_EQ(site->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put()), S_OK);
            std::uint32_t cookie = 0;
            ASSERT_EQ(point->Advise(recorder.Get(), &cookie), S_OK);
            site->SetDays(31);
            site->SetUser("seller1", std::string(listing.password).c_str());
            site->SetRequest(3);

            std::string buyerUrl = listing.password.empty() ? profile.ResolveUrls({}).viewBids
                                                            : profile.ResolveUrls({}).bidderEmails;
            ReplaceToken(buyerUrl, "$ITEM_NUM$", kBuyerPageItem);
            const std::map<std::string, std::string> buyerPages{
                {buyerUrl, ReadWholeFile(folder / kBuyerPageFile).value_or("")}};
            const PageWalk walk = WalkListingPage(
                *site, ReadWholeFile(folder / listing.page).value_or(""), buyerPages);

            const ExpectedWalk expected = ReadExpected(folder / listing.expected);
            EXPECT_EQ(recorder->rows, expected.rows);
            EXPECT_EQ(SummaryLine(walk), expected.summary);
            point->Unadvise(cookie);
        }
    }
}

}  // namespace
}  // namespace gb::testing
