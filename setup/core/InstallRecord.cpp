#include "setup/core/InstallRecord.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "platform/FileIo.h"

namespace gb::setup {

namespace fs = std::filesystem;

namespace {

// Adds `entry` unless an equal one is there; true when it was added.
template <typename Entry, typename Same>
bool AddOnce(std::vector<Entry>& entries, const Entry& entry, Same same) {
    if (std::any_of(entries.begin(), entries.end(),
                    [&](const Entry& old) { return same(old, entry); })) {
        return false;
    }
    entries.push_back(entry);
    return true;
}

}  // namespace

std::string InstallRecord::Open(const fs::path& file) {
    file_ = file;
    manifest_ = {};
    std::error_code error;
    if (!fs::exists(file_, error)) {
        return {};
    }
    const std::optional<std::string> text = ReadWholeFile(file_);
    std::optional<InstallManifest> earlier;
    if (text) {
        earlier = InstallManifest::FromText(*text);
    }
    if (earlier) {
        manifest_ = std::move(*earlier);
        return {};
    }
    const fs::path aside = file_.string() + ".unreadable";
    fs::rename(file_, aside, error);
    if (error) {
        // Left where it is, it would be overwritten: the installation goes on
        // without a record.
        const std::string problem =
            "The list of an earlier installation cannot be read: " + file_.string() + ": " +
            error.message();
        file_.clear();
        return problem;
    }
    return "The list of an earlier installation cannot be read; it was kept as " + aside.string() +
           ". What that installation made is not removed with this one.";
}

bool InstallRecord::AddFile(const InstalledFile& file) {
    auto& files = manifest_.files;
    const auto old = std::find_if(files.begin(), files.end(), [&](const InstalledFile& entry) {
        return entry.path == file.path;
    });
    if (old != files.end()) {
        *old = file;
    } else {
        files.push_back(file);
    }
    return Save();
}

bool InstallRecord::AddFolder(const fs::path& folder) {
    AddOnce(manifest_.folders, folder, std::equal_to<>());
    return Save();
}

bool InstallRecord::AddFolders(const std::vector<fs::path>& wereMissing) {
    bool saved = true;
    for (const fs::path& folder : wereMissing) {
        std::error_code error;
        if (fs::is_directory(folder, error)) {
            saved = AddFolder(folder) && saved;
        }
    }
    return saved;
}

bool InstallRecord::AddValue(const Settings& store, std::string_view key, std::string_view name,
                             bool created) {
    NoteSettingsFile(store, created);
    AddOnce(manifest_.values, InstalledValue{store.File(), std::string(key), std::string(name)},
            [](const InstalledValue& a, const InstalledValue& b) {
                return a.settingsFile == b.settingsFile && a.key == b.key && a.name == b.name;
            });
    return Save();
}

bool InstallRecord::AddKey(const Settings& store, std::string_view key, bool created) {
    NoteSettingsFile(store, created);
    AddOnce(manifest_.keys, InstalledKey{store.File(), std::string(key)},
            [](const InstalledKey& a, const InstalledKey& b) {
                return a.settingsFile == b.settingsFile && a.key == b.key;
            });
    return Save();
}

bool InstallRecord::AddServer(const RegisteredServer& server) {
    AddOnce(manifest_.servers, server, [](const RegisteredServer& a, const RegisteredServer& b) {
        return a.library == b.library && a.settingsFolder == b.settingsFolder;
    });
    return Save();
}

void InstallRecord::NoteSettingsFile(const Settings& store, bool created) {
    if (created) {
        AddOnce(manifest_.settingsFiles, store.File(), std::equal_to<>());
    }
}

bool InstallRecord::Save() {
    if (file_.empty()) {
        return false;
    }
    try {
        WriteFileAtomically(file_, manifest_.ToText());
        return true;
    } catch (const FileError&) {
        return false;
    }
}

std::vector<fs::path> InstallRecord::MissingFolders(const fs::path& folder) {
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path path = folder; !path.empty() && !fs::exists(path, error);
         path = path.parent_path()) {
        missing.insert(missing.begin(), path);
        if (path == path.parent_path()) {
            break;
        }
    }
    return missing;
}

}  // namespace gb::setup
