#pragma once
// Pointing the programs at a site emulator through the user's settings: the
// host name of every server of every site, and the certificate authority the
// retrieval engine trusts besides the system's.

#include <filesystem>
#include <string_view>

#include "platform/Settings.h"
#include "sites/SiteProfile.h"
#include "sites/SiteServers.h"

namespace gb::emulator {

// Sets every site's five servers to `host` ("127.0.0.1:port") and trusts the
// certificates of `authorityFile`. False when the settings cannot be written.
bool PointSitesAt(Settings& user, std::string_view host,
                  const std::filesystem::path& authorityFile);

// Sets one server of one site to `host`, after PointSitesAt: a test points
// that server at another emulator or port. False when the settings cannot be
// written.
bool PointSiteServerAt(Settings& user, sites::SiteClass site, sites::SiteServer server,
                       std::string_view host);

// Removes what PointSitesAt wrote: the sites use their own servers again.
bool ForgetEmulator(Settings& user);

}  // namespace gb::emulator
