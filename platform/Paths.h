#pragma once
// Where the programs find their files.

#include <filesystem>

namespace gb::paths {

// The folder of the running program, where it keeps the fee schedule, report
// page and template libraries. GAVELBOOK_PROGRAM_DIR overrides it.
std::filesystem::path ProgramFolder();

// The per-user folder for the session logs. GAVELBOOK_STATE_DIR overrides it;
// otherwise $XDG_STATE_HOME/gavelbook, else ~/.local/state/gavelbook.
// Created when missing.
std::filesystem::path StateFolder();

}  // namespace gb::paths
