// The settings scripts/run lays out in build/bin: those the installation
// writes, through the same values, where they are missing.

#include "setup/core/ProgramDefaults.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ScratchHome.h"
#include "app/core/MachineProfile.h"
#include "app/core/combos/ComboLists.h"
#include "itemdb/FieldId.h"
#include "platform/Settings.h"

namespace gb::setup {
namespace {

namespace fs = std::filesystem;

int InstallSettings(const fs::path& folder) {
    const std::string command = "'" + (fs::path(GB_BIN_DIR) / "gbtool").string() +
                                "' install-settings '" + folder.string() + "'";
    return std::system(command.c_str());
}

TEST(ProgramDefaultsTest, LayoutGivesTheItemSheetItsDropDownListsAndKeepsChanges) {
    const test::ScratchHome home;
    const fs::path bin = home.Root() / "bin";
    fs::create_directories(bin);
    const std::string settingsKey = std::string(kApplicationKey) + "\\Settings";
    ASSERT_TRUE(Settings::CurrentUser().SetString(settingsKey, "ProfileName", "/mine.pro"));
    ASSERT_EQ(InstallSettings(bin), 0);

    Settings& machine = Settings::ForFile(bin / "machine.settings");
    const app::MachineProfile profile(machine);
    for (const app::ComboField& field : app::ComboFields()) {
        if (!field.monetary) {
            EXPECT_FALSE(profile.GetComboValues(field.nameId).empty()) << field.nameId;
        }
    }
    EXPECT_EQ(profile.GetComboValues(itemdb::field::Weight),
              (std::vector<std::string>{"Ounce", "Under 1 lb", "Over 1 lb"}));
    const std::string exportKey = std::string(kApplicationKey) + "\\Export";
    EXPECT_EQ(Settings::CurrentUser().GetString(exportKey, "Target"),
              (bin / "Export.csv").string());
    EXPECT_EQ(Settings::CurrentUser().GetNumber(settingsKey, "Spacing", 7), 1u);
    // What was there before stays, and a list the user changed survives the next run.
    EXPECT_EQ(Settings::CurrentUser().GetString(settingsKey, "ProfileName"), "/mine.pro");
    const std::string combos = std::string(kApplicationKey) + "\\Combos";
    ASSERT_TRUE(machine.SetString(combos, "Weight", "Heavy;"));
    ASSERT_EQ(InstallSettings(bin), 0);
    EXPECT_EQ(machine.GetString(combos, "Weight"), "Heavy;");
}

TEST(ProgramDefaultsTest, UnwritableSettingsFailTheLayout) {
    const test::ScratchHome home;
    const fs::path blocked = home.Root() / "blocked";
    std::FILE* file = std::fopen(blocked.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_NE(InstallSettings(blocked), 0);
}

}  // namespace
}  // namespace gb::setup
