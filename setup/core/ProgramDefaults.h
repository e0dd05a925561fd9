#pragma once
// The settings an installation gives the programs: the user's start-up values
// (the demonstration profile, the export defaults, the maker's web site) and
// the machine's drop-down lists. Setup writes them all; the developers'
// program folder (build/bin) gets those still missing through
// `gbtool install-settings`, so both start alike.

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "platform/Settings.h"
#include "setup/core/CRegKey3.h"

namespace gb::setup {

class InstallRecord;

struct DefaultValue {
    std::string section;  // below the program's key: "Settings", "Export", "Combos", ...
    std::string name;
    std::variant<std::string, std::uint32_t> value;
};

// The user's values for the programs installed in `programFolder`, in the
// order they are written.
std::vector<DefaultValue> UserDefaults(const std::filesystem::path& programFolder);
// The machine's drop-down lists, in the order they are written.
std::vector<DefaultValue> MachineDefaults();

enum class Existing { Replace, Keep };

// Writes `values` below `key` in their order; with Existing::Keep a value
// already there stays as it is. Stops at the first value that cannot be
// written and gives false.
bool WriteDefaults(CRegKey3& key, const std::vector<DefaultValue>& values, Existing existing);

// The programs' key of `root`, "Norvel Software", "Gavelbook", "Lotkeeper"
// below "Software"; each value written through it is noted in `record` when
// there is one.
CRegKey3 ProgramKey(Settings& root, InstallRecord* record = nullptr);

// Writes the user's and the machine's values that are still missing for the
// programs in `programFolder`, whose machine settings are beside them unless
// the environment redirects them. False when a value could not be written.
bool WriteMissingDefaults(const std::filesystem::path& programFolder);

}  // namespace gb::setup
