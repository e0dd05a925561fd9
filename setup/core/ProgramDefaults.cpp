#include "setup/core/ProgramDefaults.h"

#include "setup/core/ScopedMachineSettings.h"
#include "widgets/MakerSite.h"

namespace gb::setup {

namespace fs = std::filesystem;

std::vector<DefaultValue> UserDefaults(const fs::path& programFolder) {
    return {
        {"Settings", "ProfileName", (programFolder / "Demo.pro").string()},
        // Double spacing with the large icons.
        {"Settings", "Spacing", std::uint32_t{1}},
        // Twelve columns: the item fields 500 to 511.
        {"Export", "Columns", "-ABCDEFGHIJKL"},
        {"Export", "Target", (programFolder / "Export.csv").string()},
        {"Export", "Type", std::uint32_t{0}},
        // The maker's site, as the About boxes link to it.
        {"WebSites", "String0", widgets::kMakerSiteUrl},
    };
}

std::vector<DefaultValue> MachineDefaults() {
    return {
        {"Combos", "Payment Method", "Cash;Check;Money Order;PayPal Std;PayPal Std+;PayPal-Int;"},
        {"Combos", "Shipping Method", "First Class;Priority;Book Rate;"},
        {"Combos", "Weight", "Ounce;Under 1 lb;Over 1 lb;"},
        {"Combos", "Feedback", "None;Positive;Neutral;Negative;Waiting for Buyer;"},
        {"Combos", "Auction Type", "Auction;Fixed Price;Store;AutoRenew;"},
    };
}

bool WriteDefaults(CRegKey3& key, const std::vector<DefaultValue>& values, Existing existing) {
    for (const DefaultValue& value : values) {
        if (existing == Existing::Keep && key.HasValue(value.section, value.name)) {
            continue;
        }
        const bool written =
            std::holds_alternative<std::string>(value.value)
                ? key.WriteString(value.section, value.name, std::get<std::string>(value.value))
                : key.WriteDword(value.section, value.name, std::get<std::uint32_t>(value.value));
        if (!written) {
            return false;
        }
    }
    return true;
}

CRegKey3 ProgramKey(Settings& root, InstallRecord* record) {
    return CRegKey3(root, "Norvel Software", "Gavelbook", "Lotkeeper", record);
}

bool WriteMissingDefaults(const fs::path& programFolder) {
    CRegKey3 user = ProgramKey(Settings::CurrentUser());
    const ScopedMachineSettings machineFolder(programFolder);
    CRegKey3 machine = ProgramKey(Settings::LocalMachine());
    return WriteDefaults(user, UserDefaults(programFolder), Existing::Keep) &&
           WriteDefaults(machine, MachineDefaults(), Existing::Keep);
}

}  // namespace gb::setup
