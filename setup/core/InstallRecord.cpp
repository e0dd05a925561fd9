#include "setup/core/InstallRecord.h"

#include <algorithm>

#include "platform/FileIo.h"

namespace gb::setup {

void InstallRecord::Start(const std::filesystem::path& file) {
    file_ = file;
    manifest_ = {};
}

bool InstallRecord::AddFile(const InstalledFile& file) {
    manifest_.files.push_back(file);
    return Save();
}

bool InstallRecord::AddFolder(const std::filesystem::path& folder) {
    manifest_.folders.push_back(folder);
    return Save();
}

bool InstallRecord::AddValue(const Settings& store, std::string_view key, std::string_view name,
                             bool created) {
    NoteSettingsFile(store, created);
    manifest_.values.push_back({store.File(), std::string(key), std::string(name)});
    return Save();
}

bool InstallRecord::AddKey(const Settings& store, std::string_view key, bool created) {
    NoteSettingsFile(store, created);
    manifest_.keys.push_back({store.File(), std::string(key)});
    return Save();
}

bool InstallRecord::AddServer(const RegisteredServer& server) {
    manifest_.servers.push_back(server);
    return Save();
}

void InstallRecord::NoteSettingsFile(const Settings& store, bool created) {
    auto& files = manifest_.settingsFiles;
    if (created && std::find(files.begin(), files.end(), store.File()) == files.end()) {
        files.push_back(store.File());
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

}  // namespace gb::setup
