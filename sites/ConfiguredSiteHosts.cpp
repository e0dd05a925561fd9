#include "sites/ConfiguredSiteHosts.h"

#include <string>

#include "platform/Settings.h"

namespace gb::sites {

HostLookup ConfiguredSiteHosts() {
    return [](std::string_view settingsName, SiteServer server) {
        std::string key(kApplicationKey);
        key += "\\SiteServers\\";
        key += settingsName;
        return Settings::CurrentUser().GetString(key, SiteServerName(server));
    };
}

}  // namespace gb::sites
