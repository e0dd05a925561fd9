#pragma once
// The component libraries register themselves in the machine settings of the
// process that loads them, which for Setup would be the install medium's
// folder. While an object of this class lives, the machine settings are those
// of the installed programs: the given folder, unless the environment already
// redirects them.

#include <filesystem>

namespace gb::setup {

class ScopedMachineSettings {
public:
    explicit ScopedMachineSettings(const std::filesystem::path& folder);
    ScopedMachineSettings(const ScopedMachineSettings&) = delete;
    ScopedMachineSettings& operator=(const ScopedMachineSettings&) = delete;
    ~ScopedMachineSettings();

    // The folder the installed programs use: the redirection of the
    // environment, else `programFolder`.
    static std::filesystem::path FolderFor(const std::filesystem::path& programFolder);

private:
    bool set_ = false;
};

}  // namespace gb::setup
