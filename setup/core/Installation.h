#pragma once
// The installation procedure the wizard's last page runs once: files, component
// registration, settings, shortcuts and file type, uninstall entry. The first
// fatal failure ends it with false; what was done stays done and is listed in
// the installation's record.

#include <filesystem>

#include "setup/core/CInstaller.h"

namespace gb::setup {

bool Install(CInstaller& installer, const std::filesystem::path& folder);

}  // namespace gb::setup
