#pragma once
// Keeps the record of an installation up to date in its file while the
// installation goes on, so that a failed installation still leaves the
// uninstaller a list of what it did.

#include <filesystem>
#include <string_view>

#include "platform/Settings.h"
#include "setup/core/InstallManifest.h"

namespace gb::setup {

class InstallRecord {
public:
    // Starts an empty record kept at `file`; nothing is written until the
    // first entry.
    void Start(const std::filesystem::path& file);

    // Each returns false when the record could not be written.
    bool AddFile(const InstalledFile& file);
    // A folder the installation created.
    bool AddFolder(const std::filesystem::path& folder);
    // A settings value written; `created` says the settings file did not exist before.
    bool AddValue(const Settings& store, std::string_view key, std::string_view name, bool created);
    bool AddKey(const Settings& store, std::string_view key, bool created);
    bool AddServer(const RegisteredServer& server);

    const InstallManifest& Manifest() const { return manifest_; }
    const std::filesystem::path& File() const { return file_; }

private:
    void NoteSettingsFile(const Settings& store, bool created);
    bool Save();

    std::filesystem::path file_;
    InstallManifest manifest_;
};

}  // namespace gb::setup
