#pragma once
// A seller ID the site emulator plays a site for: its items, the password its
// sign-in check accepts, and what it is told to do wrong.

#include <string>
#include <vector>

#include "EmulatedItem.h"
#include "Fault.h"
#include "sites/SiteProfile.h"

namespace gb::emulator {

struct EmulatedSeller {
    sites::SiteClass site = sites::SiteClass::eBayUSA;
    std::string userId;    // matched ignoring case, as the sites did
    std::string password;  // the only one the sign-in check accepts
    std::vector<EmulatedItem> items;
    // Item rows per listing page; more items give more pages.
    int rowsPerPage = 200;
    Fault fault;
};

}  // namespace gb::emulator
