#include "setup/core/Uninstaller.h"

#include <set>
#include <system_error>

#include "platform/ComponentLibrary.h"
#include "platform/FileIo.h"
#include "platform/HResult.h"
#include "platform/Settings.h"
#include "setup/core/ScopedMachineSettings.h"

namespace gb::setup {

namespace fs = std::filesystem;

namespace {

std::string ParentKey(const std::string& key) {
    const std::size_t slash = key.rfind('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

// Removes `key` and then each parent left without values or sub-keys.
void PruneEmptyKeys(SettingsKey& root, std::string key) {
    while (!key.empty()) {
        const SettingsKey* found = root.FindKey(key);
        if (found != nullptr && (!found->Values().empty() || found->HasSubKeys())) {
            return;
        }
        root.RemoveKey(key);
        key = ParentKey(key);
    }
}

bool HoldsValues(const SettingsKey& key) {
    if (!key.Values().empty()) {
        return true;
    }
    for (const SettingsKey* child : key.SubKeys()) {
        if (HoldsValues(*child)) {
            return true;
        }
    }
    return false;
}

void UnregisterServers(const InstallManifest& manifest, UninstallReport& report) {
    for (const RegisteredServer& server : manifest.servers) {
        const ScopedMachineSettings machine(server.settingsFolder);
        std::string error;
        const ComponentLibrary* library = ComponentLibrary::Load(server.library, &error);
        if (library == nullptr) {
            report.problems.push_back("Cannot unregister " + server.library.string() + ": " +
                                      error);
        } else if (Failed(library->UnregisterServer())) {
            report.problems.push_back("Cannot unregister " + server.library.string());
        }
    }
}

void DeleteSettings(const InstallManifest& manifest, UninstallReport& report) {
    for (const InstalledKey& key : manifest.keys) {
        if (!Settings::ForFile(key.settingsFile).Edit([&](SettingsKey& root) {
                root.RemoveKey(key.key);
                PruneEmptyKeys(root, ParentKey(key.key));
                return true;
            })) {
            report.problems.push_back("Cannot change " + key.settingsFile.string());
        }
    }
    for (const InstalledValue& value : manifest.values) {
        if (!Settings::ForFile(value.settingsFile).Edit([&](SettingsKey& root) {
                if (SettingsKey* key = root.FindKey(value.key); key != nullptr) {
                    key->RemoveValue(value.name);
                    PruneEmptyKeys(root, value.key);
                }
                return true;
            })) {
            report.problems.push_back("Cannot change " + value.settingsFile.string());
        }
    }
    for (const fs::path& file : manifest.settingsFiles) {
        const std::shared_ptr<const SettingsKey> tree = Settings::ForFile(file).Snapshot();
        if (tree && !HoldsValues(*tree)) {
            std::error_code ignored;
            fs::remove(file, ignored);
            fs::remove(fs::path(file.string() + ".lock"), ignored);
        }
    }
}

void RemoveFiles(const InstallManifest& manifest, UninstallReport& report) {
    std::set<fs::path> folders;
    for (auto file = manifest.files.rbegin(); file != manifest.files.rend(); ++file) {
        const std::optional<InstalledFile> now = InstallManifest::Fingerprint(file->path);
        if (!now) {
            continue;  // already gone
        }
        if (now->size != file->size || now->fingerprint != file->fingerprint) {
            report.kept.push_back(file->path);
            continue;
        }
        std::error_code error;
        if (fs::remove(file->path, error)) {
            report.removed.push_back(file->path);
            folders.insert(file->path.parent_path());
        } else {
            report.problems.push_back("Cannot remove " + file->path.string() + ": " +
                                      error.message());
        }
    }
    for (const fs::path& folder : folders) {
        std::error_code ignored;
        if (fs::is_empty(folder, ignored)) {
            fs::remove(folder, ignored);
        }
    }
}

}  // namespace

UninstallReport Uninstall(const InstallManifest& manifest) {
    UninstallReport report;
    UnregisterServers(manifest, report);
    DeleteSettings(manifest, report);
    RemoveFiles(manifest, report);
    return report;
}

UninstallReport UninstallFolder(const fs::path& programFolder, const UserFolders& user,
                                const ProgramRunner& runner) {
    const fs::path recordFile = programFolder / kManifestName;
    const std::optional<std::string> text = ReadWholeFile(recordFile);
    std::optional<InstallManifest> manifest;
    if (text) {
        manifest = InstallManifest::FromText(*text);
    }
    if (!manifest) {
        UninstallReport report;
        report.problems.push_back("Cannot read the list of installed files " + recordFile.string());
        return report;
    }
    UninstallReport report = Uninstall(*manifest);
    runner({"update-mime-database", user.MimeFolder().string()});
    runner({"update-desktop-database", (user.dataHome / "applications").string()});
    std::error_code ignored;
    fs::remove(recordFile, ignored);
    if (fs::is_empty(programFolder, ignored)) {
        fs::remove(programFolder, ignored);
    }
    return report;
}

}  // namespace gb::setup
