#pragma once
// The five servers of an auction site and where their host names come from.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace gb::sites {

enum class SiteServer { Listing, SignIn, Item, Offer, Feedback };
inline constexpr std::size_t kSiteServerCount = 5;

// The name a server's host name is configured under: "Listing", "SignIn",
// "Item", "Offer", "Feedback".
std::string_view SiteServerName(SiteServer server);

// One site's servers: the name their host names are configured under (the
// site class whose servers they are) and the built-in host names, by server.
struct SiteServers {
    std::string_view settingsName;
    std::array<std::string_view, kSiteServerCount> defaultHosts;
};

// Gives the configured host name (optionally with ":port") of one server of the
// site configured under `settingsName`, or the empty text for the built-in one.
using HostLookup = std::function<std::string(std::string_view settingsName, SiteServer server)>;

// The host name to use: the configured one when it is a plain host name with
// an optional port, else the built-in default.
std::string ResolveHost(const SiteServers& servers, SiteServer server, const HostLookup& lookup);

}  // namespace gb::sites
