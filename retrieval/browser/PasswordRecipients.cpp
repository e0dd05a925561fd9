#include "retrieval/browser/PasswordRecipients.h"

#include <algorithm>

#include "retrieval/browser/Url.h"

namespace gb::retrieval {

PasswordRecipients::PasswordRecipients(const std::vector<std::string>& siteAddresses) {
    for (const std::string& address : siteAddresses) {
        const std::optional<std::string> origin = url::OriginOf(url::UpgradeToHttps(address));
        if (origin && origin->starts_with("https://") &&
            std::find(origins_.begin(), origins_.end(), *origin) == origins_.end()) {
            origins_.push_back(*origin);
        }
    }
}

bool PasswordRecipients::Accepts(std::string_view address) const {
    const std::optional<std::string> origin = url::OriginOf(address);
    return origin && std::find(origins_.begin(), origins_.end(), *origin) != origins_.end();
}

std::string PasswordRecipients::Servers() const {
    std::string servers;
    for (const std::string& origin : origins_) {
        servers += (servers.empty() ? "" : ", ") + origin;
    }
    return servers;
}

}  // namespace gb::retrieval
