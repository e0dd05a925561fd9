#include "WorkerDrive.h"

#include <gtest/gtest.h>

#include <array>

namespace gb::testing {

PageWalk WalkListingPage(IBidscope& site, const std::string& listing,
                         const std::map<std::string, std::string>& buyerPages) {
    constexpr std::uint32_t kBufferSize = 512;
    // Bounds the walk should the site object never end the page.
    constexpr int kMostRows = 10000;
    PageWalk walk;
    walk.summary = site.SetSummaryPage(listing.c_str());
    HRESULT status = walk.summary;
    for (int rows = 0; status == S_OK && rows < kMostRows; ++rows) {
        std::array<char, kBufferSize> url{};
        status = site.GetBuyerURL(url.data(), kBufferSize);
        if (status != S_OK) {
            break;
        }
        walk.buyerUrls.emplace_back(url.data());
        std::string buyerPage;
        if (url[0] != '\0') {
            const auto page = buyerPages.find(url.data());
            if (page != buyerPages.end()) {
                buyerPage = page->second;
            } else {
                ADD_FAILURE() << "no buyer page for " << url.data();
            }
        }
        status = site.ParseData(buyerPage.c_str());
        if (status == S_OK) {
            status = site.MoveNextRow();
        }
    }
    EXPECT_TRUE(status == S_FALSE || walk.summary != S_OK) << "the walk ended with " << status;
    site.GoNextPage(&walk.morePages);
    return walk;
}

}  // namespace gb::testing
