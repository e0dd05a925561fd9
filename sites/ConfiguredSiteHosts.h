#pragma once
// The site servers' host names as the user configured them, so that tests and
// demonstrations can point a site at a local emulator.

#include "sites/SiteServers.h"

namespace gb::sites {

// Looks each server up in the current user's settings: key
// "<application key>\SiteServers\<site>", a text value named after the server
// ("Listing", "SignIn", "Item", "Offer", "Feedback") holding "host" or
// "host:port". A missing value gives the empty text, that is the built-in host.
HostLookup ConfiguredSiteHosts();

}  // namespace gb::sites
