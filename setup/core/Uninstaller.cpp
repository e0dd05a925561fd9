#include "setup/core/Uninstaller.h"

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

// Removes `path` when it is there, and lists it among what was removed.
void RemoveListed(const fs::path& path, UninstallReport& report) {
    std::error_code ignored;
    if (fs::remove(path, ignored)) {
        report.removed.push_back(path);
    }
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
        if (tree && HoldsValues(*tree)) {
            report.keptSettings.push_back(file);
        } else if (tree) {
            RemoveListed(file, report);
            RemoveListed(fs::path(file.string() + ".lock"), report);
        }
    }
}

void RemoveFiles(const InstallManifest& manifest, UninstallReport& report) {
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
        } else {
            report.problems.push_back("Cannot remove " + file->path.string() + ": " +
                                      error.message());
        }
    }
}

// Whether all that `folder` holds was made by the desktop's tools from the
// files the installation gave them, which are gone now: the file-type
// database without any package, or the menu's cache of file types.
bool HoldsOnlyDesktopCaches(const fs::path& folder, const UserFolders& user) {
    std::error_code error;
    if (folder == user.MimeFolder()) {
        return !fs::exists(folder / "packages", error) && !error;
    }
    if (folder == user.ApplicationsFolder()) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
            if (entry.path().filename() != "mimeinfo.cache") {
                return false;
            }
        }
        return !error;
    }
    return false;
}

// The folders the installation created, innermost first, when nothing but
// what it made is left in them. A folder that was there before it is never
// in the record, so never removed.
void RemoveCreatedFolders(const InstallManifest& manifest, const UserFolders& user,
                          UninstallReport& report) {
    for (auto folder = manifest.folders.rbegin(); folder != manifest.folders.rend(); ++folder) {
        std::error_code error;
        if (!fs::is_directory(*folder, error)) {
            continue;
        }
        if (HoldsOnlyDesktopCaches(*folder, user)) {
            fs::remove_all(*folder, error);
        } else if (fs::is_empty(*folder, error)) {
            fs::remove(*folder, error);
        } else {
            report.keptFolders.push_back(*folder);
            continue;
        }
        if (error) {
            report.problems.push_back("Cannot remove " + folder->string() + ": " + error.message());
        } else {
            report.removed.push_back(*folder);
        }
    }
}

void AddSection(std::string& text, std::string_view title, const std::vector<fs::path>& paths) {
    if (paths.empty()) {
        return;
    }
    text += title;
    text += '\n';
    for (const fs::path& path : paths) {
        text += "    " + path.string() + '\n';
    }
}

}  // namespace

UninstallReport UninstallFolder(const fs::path& programFolder, const UserFolders& user,
                                const ProgramRunner& runner) {
    const fs::path recordFile = programFolder / kManifestName;
    const std::optional<std::string> text = ReadWholeFile(recordFile);
    std::optional<InstallManifest> manifest;
    if (text) {
        manifest = InstallManifest::FromText(*text);
    }
    UninstallReport report;
    if (!manifest) {
        report.problems.push_back("Cannot read the list of installed files " + recordFile.string());
        return report;
    }
    UnregisterServers(*manifest, report);
    DeleteSettings(*manifest, report);
    RemoveFiles(*manifest, report);
    // The desktop forgets the file type and the menu entries only once its
    // databases are built again without them.
    RefreshDesktopDatabases(user, runner);
    RemoveListed(recordFile, report);
    RemoveCreatedFolders(*manifest, user, report);
    return report;
}

bool UninstallReport::Complete() const {
    return kept.empty() && keptFolders.empty() && keptSettings.empty() && problems.empty();
}

std::optional<UninstallReport> RemoveInstallation(const fs::path& programFolder,
                                                  const UserFolders& user,
                                                  const ProgramRunner& runner,
                                                  const RunningPrograms::Question& ask) {
    if (!RunningPrograms(programFolder).AwaitClosed(ask)) {
        return std::nullopt;
    }
    return UninstallFolder(programFolder, user, runner);
}

std::string ReportSummary(const UninstallReport& report) {
    if (!report.problems.empty()) {
        return "Gavelbook could not be removed completely.";
    }
    if (!report.Complete()) {
        return "Not everything Gavelbook installed was taken away: what is listed as kept below "
               "is still there.";
    }
    return "Gavelbook was removed.";
}

std::string ReportText(const UninstallReport& report) {
    std::string text;
    AddSection(text, "Removed:", report.removed);
    AddSection(text, "Kept, as they were changed after the installation:", report.kept);
    AddSection(text, "Kept, as they hold files the installation did not make:", report.keptFolders);
    AddSection(text,
               "Kept, as they hold settings the installation did not write:", report.keptSettings);
    if (!report.problems.empty()) {
        text += "Problems:\n";
        for (const std::string& problem : report.problems) {
            text += "    " + problem + '\n';
        }
    }
    return text;
}

}  // namespace gb::setup
