#include "platform/Settings.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>

#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/SettingsFormat.h"

namespace gb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUserFolderVariable = "GAVELBOOK_USER_SETTINGS";
constexpr const char* kMachineFolderVariable = "GAVELBOOK_MACHINE_SETTINGS";
constexpr const char* kUserFile = "user.settings";
constexpr const char* kMachineFile = "machine.settings";
constexpr const char* kClassesFile = "classes.settings";

// Coarser than any file system's time stamps that matter here.
constexpr time_t kStampResolutionSeconds = 2;

fs::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? fs::path(value) : fs::path();
}

// Holds an exclusive lock on the root's lock file while it lives.
class FileLock {
public:
    FileLock(const fs::path& path, FileAccess access)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC,
                     access == FileAccess::OwnerOnly ? 0600 : 0666)) {
        if (fd_ < 0) {
            return;
        }
        int result;
        do {
            result = ::flock(fd_, LOCK_EX);
        } while (result != 0 && errno == EINTR);
        if (result != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() {
        if (fd_ >= 0) {
            ::close(fd_);  // also releases the lock
        }
    }
    bool Held() const { return fd_ >= 0; }

private:
    int fd_;
};

}  // namespace

bool Settings::FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
}

fs::path Settings::UserFolder() {
    if (fs::path folder = FromEnvironment(kUserFolderVariable); !folder.empty()) {
        return folder;
    }
    if (const fs::path config = FromEnvironment("XDG_CONFIG_HOME"); !config.empty()) {
        return config / "gavelbook";
    }
    if (const fs::path home = FromEnvironment("HOME"); !home.empty()) {
        return home / ".config" / "gavelbook";
    }
    return fs::temp_directory_path() / "gavelbook";
}

fs::path Settings::MachineFolder() {
    if (fs::path folder = FromEnvironment(kMachineFolderVariable); !folder.empty()) {
        return folder;
    }
    return paths::ProgramFolder();
}

Settings& Settings::CurrentUser() {
    // The user's settings are his own: no one else reads them.
    return ForFile(UserFolder() / kUserFile, FileAccess::OwnerOnly);
}

Settings& Settings::LocalMachine() {
    return ForFile(MachineFolder() / kMachineFile);
}

Settings& Settings::ClassesRoot() {
    return ForFile(MachineFolder() / kClassesFile);
}

Settings& Settings::ForFile(const fs::path& file, FileAccess access) {
    static std::mutex mutex;
    static std::map<fs::path, std::unique_ptr<Settings>> stores;
    std::error_code ignored;
    fs::path normal = fs::absolute(file, ignored).lexically_normal();
    if (normal.empty()) {
        normal = file.lexically_normal();
    }
    std::lock_guard lock(mutex);
    std::unique_ptr<Settings>& store = stores[normal];
    if (!store) {
        store = std::make_unique<Settings>(normal, access);
    }
    return *store;
}

Settings::Settings(fs::path file, FileAccess access)
    : file_(std::move(file)), lockFile_(file_), access_(access) {
    lockFile_ += ".lock";
}

std::shared_ptr<const SettingsKey> Settings::Snapshot() const {
    struct stat status {};
    if (::stat(file_.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::make_shared<const SettingsKey>();
        }
        return nullptr;
    }
    const FileStamp stamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim,
                          status.st_ctim};
    std::lock_guard lock(cacheMutex_);
    if (cached_ && cacheTrusted_ && stamp == cachedStamp_) {
        return cached_;
    }
    const std::optional<std::string> bytes = ReadWholeFile(file_);
    if (!bytes) {
        return nullptr;
    }
    cached_ = std::make_shared<const SettingsKey>(ParseSettings(*bytes).root);
    cachedStamp_ = stamp;
    cacheTrusted_ = status.st_mtim.tv_sec + kStampResolutionSeconds < std::time(nullptr);
    return cached_;
}

const SettingsValue* Settings::Find(const SettingsKey& root, std::string_view key,
                                    std::string_view name) const {
    const SettingsKey* found = root.FindKey(key);
    return found == nullptr ? nullptr : found->FindValue(name);
}

std::optional<SettingsValue> Settings::GetValue(std::string_view key, std::string_view name) const {
    const std::shared_ptr<const SettingsKey> root = Snapshot();
    const SettingsValue* value = root ? Find(*root, key, name) : nullptr;
    return value == nullptr ? std::nullopt : std::optional<SettingsValue>(*value);
}

std::string Settings::GetString(std::string_view key, std::string_view name,
                                std::string_view fallback) const {
    const std::optional<SettingsValue> value = GetValue(key, name);
    if (!value) {
        return std::string(fallback);
    }
    return value->type == SettingsValue::Type::Text ? value->text : std::string();
}

std::uint32_t Settings::GetNumber(std::string_view key, std::string_view name,
                                  std::uint32_t fallback) const {
    const std::optional<SettingsValue> value = GetValue(key, name);
    return value && value->type == SettingsValue::Type::Number ? value->number : fallback;
}

bool Settings::KeyExists(std::string_view key) const {
    const std::shared_ptr<const SettingsKey> root = Snapshot();
    return root && root->FindKey(key) != nullptr;
}

bool Settings::SetString(std::string_view key, std::string_view name, std::string_view value) {
    return Edit([&](SettingsKey& root) {
        root.CreateKey(key).SetValue(name, SettingsValue::Text(std::string(value)));
        return true;
    });
}

bool Settings::SetNumber(std::string_view key, std::string_view name, std::uint32_t value) {
    return Edit([&](SettingsKey& root) {
        root.CreateKey(key).SetValue(name, SettingsValue::Number(value));
        return true;
    });
}

bool Settings::DeleteValue(std::string_view key, std::string_view name) {
    return Edit([&](SettingsKey& root) {
        if (SettingsKey* found = root.FindKey(key)) {
            found->RemoveValue(name);
        }
        return true;
    });
}

bool Settings::DeleteKey(std::string_view key) {
    return Edit([&](SettingsKey& root) {
        root.RemoveKey(key);
        return true;
    });
}

bool Settings::Edit(const std::function<bool(SettingsKey& root)>& change) {
    try {
        CreateFolders(file_.parent_path(), access_);
        const FileLock lock(lockFile_, access_);
        if (!lock.Held()) {
            return false;
        }
        // Read afresh under the lock: another process may have written since.
        const std::optional<std::string> before = ReadWholeFile(file_);
        SettingsKey root;
        if (before) {
            ParsedSettings parsed = ParseSettings(*before);
            if (parsed.malformedLines > 0) {
                return false;
            }
            root = std::move(parsed.root);
        } else if (std::error_code missing; fs::exists(file_, missing) || missing) {
            return false;  // there but unreadable
        }
        if (!change(root)) {
            return false;
        }
        const std::string after = FormatSettings(root);
        if (before != after) {
            WriteFileAtomically(file_, after, access_);
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace gb
