#pragma once
// Keeps the record of the installations in a folder up to date in its file
// while an installation goes on, so that a failed installation still leaves
// the uninstaller a list of what it did. An installation into a folder that
// holds the record of an earlier one adds to that record: the uninstaller
// takes away what any of them made.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Settings.h"
#include "setup/core/InstallManifest.h"

namespace gb::setup {

class InstallRecord {
public:
    // Goes on with the record kept at `file`, empty when there is none yet;
    // nothing is written until the first entry. A record that cannot be read
    // is moved aside, for nothing of it to be lost, and a new one begun: the
    // text says so, and is empty otherwise.
    std::string Open(const std::filesystem::path& file);

    // Each returns false when the record could not be written. An entry
    // already on the record is not added twice; a file installed again is
    // noted as it is now.
    bool AddFile(const InstalledFile& file);
    // A folder the installation created.
    bool AddFolder(const std::filesystem::path& folder);
    // Of `wereMissing` (from MissingFolders), the folders that are there now.
    bool AddFolders(const std::vector<std::filesystem::path>& wereMissing);
    // A settings value written; `created` says the settings file did not exist before.
    bool AddValue(const Settings& store, std::string_view key, std::string_view name, bool created);
    bool AddKey(const Settings& store, std::string_view key, bool created);
    bool AddServer(const RegisteredServer& server);

    const InstallManifest& Manifest() const { return manifest_; }
    const std::filesystem::path& File() const { return file_; }

    // The folders on the way to `folder`, `folder` included, that do not
    // exist, outermost first.
    static std::vector<std::filesystem::path> MissingFolders(const std::filesystem::path& folder);

private:
    void NoteSettingsFile(const Settings& store, bool created);
    bool Save();

    std::filesystem::path file_;
    InstallManifest manifest_;
};

}  // namespace gb::setup
