#pragma once
// Drives a site object over one saved listing page the way the retrieval
// worker does, with 512-byte buffers: SetSummaryPage; then per row
// GetBuyerURL, ParseData with the buyer page of that URL (the empty page when
// there is none), MoveNextRow; and GoNextPage.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "interfaces/IBidscope.h"

namespace gb::testing {

struct PageWalk {
    HRESULT summary = S_OK;  // of SetSummaryPage
    std::uint16_t morePages = 0;
    std::vector<std::string> buyerUrls;  // the URLs asked for, one per row
};

// `buyerPages` maps a buyer URL to its page; a URL without a page is a failure
// of the calling test.
PageWalk WalkListingPage(IBidscope& site, const std::string& listing,
                         const std::map<std::string, std::string>& buyerPages = {});

}  // namespace gb::testing
