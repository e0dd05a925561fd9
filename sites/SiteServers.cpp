#include "sites/SiteServers.h"

#include <algorithm>

namespace gb::sites {

namespace {

constexpr std::array<std::string_view, kSiteServerCount> kServerNames = {
    "Listing", "SignIn", "Item", "Offer", "Feedback"};

// Letters, digits, '-', '.', and ':' or brackets for a port or an IPv6
// address: nothing that could add a path, a query or a user to the URL.
bool IsHostText(std::string_view host) {
    return std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '.' || c == ':' || c == '[' || c == ']';
    });
}

}  // namespace

std::string_view SiteServerName(SiteServer server) {
    return kServerNames[static_cast<std::size_t>(server)];
}

std::string ResolveHost(const SiteServers& servers, SiteServer server, const HostLookup& lookup) {
    if (lookup) {
        std::string configured = lookup(servers.settingsName, server);
        if (!configured.empty() && IsHostText(configured)) {
            return configured;
        }
    }
    return std::string(servers.defaultHosts[static_cast<std::size_t>(server)]);
}

}  // namespace gb::sites
