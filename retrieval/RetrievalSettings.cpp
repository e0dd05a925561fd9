#include "retrieval/RetrievalSettings.h"

#include <chrono>
#include <string>

namespace gb::retrieval {

namespace {

void ReadSeconds(const Settings& settings, const std::string& key, const char* name,
                 std::chrono::milliseconds& limit) {
    if (const std::uint32_t seconds = settings.GetNumber(key, name, 0); seconds > 0) {
        limit = std::chrono::seconds(seconds);
    }
}

}  // namespace

BrowserSession::Options ReadBrowserOptions(const Settings& settings) {
    const std::string key = std::string(kApplicationKey) + "\\" + kRetrievalSection;
    BrowserSession::Options options;
    ReadSeconds(settings, key, "ConnectTimeout", options.limits.connect);
    ReadSeconds(settings, key, "StallTimeout", options.limits.stall);
    ReadSeconds(settings, key, "OverallTimeout", options.limits.overall);
    ReadSeconds(settings, key, "ProgressTimeout", options.limits.progress);
    options.extraCaFile = settings.GetString(key, "TrustedCertificates");
    return options;
}

}  // namespace gb::retrieval
