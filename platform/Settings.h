#pragma once
// The settings store that takes the registry's place: typed values (text or
// 32-bit number) under '\'-separated key paths, in one file per root. Names of
// keys and values match ignoring case and may hold any character.
//
// Reads come from a cached copy of the file that is refreshed when the file
// changes. Every write locks the root against other processes, reads the file
// afresh, applies the change, writes a temporary file and renames it into
// place, so programs running at the same time never lose each other's values.

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

#include "platform/FileIo.h"
#include "platform/SettingsKey.h"
#include "platform/SettingsValue.h"

namespace gb {

// The key of the programs' own settings in the user and machine roots.
inline constexpr std::string_view kApplicationKey =
    "Software\\Norvel Software\\Gavelbook\\Lotkeeper";

class Settings {
public:
    // The roots of this process. Their folders are looked up on every call, so
    // tests can redirect them through the environment.
    // The current user's root: "user.settings" in $GAVELBOOK_USER_SETTINGS,
    // else $XDG_CONFIG_HOME/gavelbook, else ~/.config/gavelbook.
    static Settings& CurrentUser();
    // The machine's root: "machine.settings" in $GAVELBOOK_MACHINE_SETTINGS,
    // else in the program folder. Writable by whoever installed the programs.
    static Settings& LocalMachine();
    // The component registry: "classes.settings" beside the machine root.
    static Settings& ClassesRoot();
    // The one store of `file` in this process; `access` is who may read the
    // file and its lock when this call makes the store.
    static Settings& ForFile(const std::filesystem::path& file,
                             FileAccess access = FileAccess::Everyone);

    static std::filesystem::path UserFolder();
    static std::filesystem::path MachineFolder();

    explicit Settings(std::filesystem::path file, FileAccess access = FileAccess::Everyone);
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    const std::filesystem::path& File() const { return file_; }

    // A missing key or value, or one that cannot be read, gives `fallback`.
    // A number read as text gives the empty text; a text read as a number
    // gives `fallback`.
    std::string GetString(std::string_view key, std::string_view name,
                          std::string_view fallback = {}) const;
    std::uint32_t GetNumber(std::string_view key, std::string_view name,
                            std::uint32_t fallback = 0) const;
    std::optional<SettingsValue> GetValue(std::string_view key, std::string_view name) const;
    bool KeyExists(std::string_view key) const;

    // The whole tree as the file holds it now: empty when there is no file,
    // null when the file cannot be read. Lines that cannot be read are skipped.
    std::shared_ptr<const SettingsKey> Snapshot() const;

    // Each write creates the keys it needs. It returns false and changes
    // nothing when the root cannot be written (a read-only folder, or a file
    // that cannot be read or holds lines that cannot be read, which a rewrite
    // would lose).
    bool SetString(std::string_view key, std::string_view name, std::string_view value);
    bool SetNumber(std::string_view key, std::string_view name, std::uint32_t value);
    bool DeleteValue(std::string_view key, std::string_view name);
    // Deletes the key with everything below it.
    bool DeleteKey(std::string_view key);
    // Applies several changes as one write. `change` edits the current tree and
    // returns false to abandon the write.
    bool Edit(const std::function<bool(SettingsKey& root)>& change);

private:
    // What identifies one version of the file.
    struct FileStamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        timespec changed{};
        bool operator==(const FileStamp& other) const;
    };

    const SettingsValue* Find(const SettingsKey& root, std::string_view key,
                              std::string_view name) const;

    std::filesystem::path file_;
    std::filesystem::path lockFile_;
    FileAccess access_;
    mutable std::mutex cacheMutex_;
    mutable std::shared_ptr<const SettingsKey> cached_;
    mutable FileStamp cachedStamp_;
    // A change made within the file system's time stamp resolution of the read
    // may leave the stamp as it was; such a copy is read again next time.
    mutable bool cacheTrusted_ = false;
};

}  // namespace gb
