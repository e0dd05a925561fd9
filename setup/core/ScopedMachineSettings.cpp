#include "setup/core/ScopedMachineSettings.h"

#include <cstdlib>

namespace gb::setup {

namespace {

constexpr const char* kVariable = "GAVELBOOK_MACHINE_SETTINGS";

bool Redirected() {
    const char* value = std::getenv(kVariable);
    return value != nullptr && *value != '\0';
}

}  // namespace

ScopedMachineSettings::ScopedMachineSettings(const std::filesystem::path& folder) {
    if (!Redirected()) {
        set_ = ::setenv(kVariable, folder.c_str(), 1) == 0;
    }
}

ScopedMachineSettings::~ScopedMachineSettings() {
    if (set_) {
        ::unsetenv(kVariable);
    }
}

std::filesystem::path ScopedMachineSettings::FolderFor(const std::filesystem::path& programFolder) {
    return Redirected() ? std::filesystem::path(std::getenv(kVariable)) : programFolder;
}

}  // namespace gb::setup
