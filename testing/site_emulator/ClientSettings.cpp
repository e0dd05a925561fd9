#include "ClientSettings.h"

#include <string>

#include "platform/SettingsKey.h"
#include "sites/SiteProfile.h"

using namespace gb::sites;

namespace gb::emulator {

namespace {

// Where the sites' host names and the retrieval engine's settings live.
std::string SiteServersKey() {
    return std::string(kApplicationKey) + "\\SiteServers";
}
std::string RetrievalKey() {
    return std::string(kApplicationKey) + "\\Retrieval";
}
constexpr char kTrustedCertificates[] = "TrustedCertificates";

constexpr SiteServer kServers[] = {SiteServer::Listing, SiteServer::SignIn, SiteServer::Item,
                                   SiteServer::Offer, SiteServer::Feedback};

}  // namespace

bool PointSitesAt(Settings& user, std::string_view host,
                  const std::filesystem::path& authorityFile) {
    return user.Edit([&](SettingsKey& root) {
        for (const SiteProfile& profile : AllSiteProfiles()) {
            SettingsKey& site =
                root.CreateKey(SiteServersKey() + "\\" + std::string(profile.servers.settingsName));
            for (const SiteServer server : kServers) {
                site.SetValue(SiteServerName(server), SettingsValue::Text(std::string(host)));
            }
        }
        root.CreateKey(RetrievalKey())
            .SetValue(kTrustedCertificates, SettingsValue::Text(authorityFile.string()));
        return true;
    });
}

bool PointSiteServerAt(Settings& user, SiteClass site, SiteServer server, std::string_view host) {
    const std::string key =
        SiteServersKey() + "\\" + std::string(SiteProfileOf(site).servers.settingsName);
    return user.SetString(key, SiteServerName(server), host);
}

bool ForgetEmulator(Settings& user) {
    return user.Edit([](SettingsKey& root) {
        root.RemoveKey(SiteServersKey());
        if (SettingsKey* retrieval = root.FindKey(RetrievalKey())) {
            retrieval->RemoveValue(kTrustedCertificates);
        }
        return true;
    });
}

}  // namespace gb::emulator
