#pragma once
// The generator of the fixture pages: for each site a listing page with the
// buyers' e-mails (as a seller with a password sees it), the public listing
// page and the buyer page of the one fixed-price sale that has one, in the
// site's own price and date forms, as Windows-1252 bytes. Together the rows
// reach every branch of the listing row parser. The rows they must give are
// written by hand beside them ("*.expected").

#include <string>
#include <vector>

#include "sites/SiteProfile.h"

namespace gb::testing {

struct FixturePage {
    std::string fileName;  // in the site's fixture folder
    std::string text;
};

// The site's fixture folder, named after its class: "eBayUSA".
std::string FixtureFolder(sites::SiteClass site);

std::vector<FixturePage> FixturePagesOf(sites::SiteClass site);

// The item number of the fixed-price sale whose buyer page the pages include,
// and that page's file name.
inline constexpr char kBuyerPageItem[] = "3000000106";
inline constexpr char kBuyerPageFile[] = "buyer-3000000106.htm";
inline constexpr char kListingWithEmailsFile[] = "listing-emails.htm";
inline constexpr char kPublicListingFile[] = "listing-public.htm";

}  // namespace gb::testing
