#include "setup/core/CInstaller.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <spawn.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "platform/ComponentLibrary.h"
#include "platform/FileIo.h"
#include "platform/HResult.h"
#include "platform/Settings.h"
#include "setup/core/CRegKey3.h"
#include "setup/core/DesktopEntry.h"
#include "setup/core/LzExpander.h"
#include "setup/core/ScopedMachineSettings.h"

extern char** environ;

namespace gb::setup {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms kProgramPermissions = fs::perms::owner_all | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read |
                                          fs::perms::others_exec;
constexpr fs::perms kDataPermissions =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;

fs::perms PermissionsOf(mode_t mode) {
    return static_cast<fs::perms>(mode) & fs::perms::mask;
}

// Why a path cannot be a target folder; empty when it can.
std::string ProblemWithPath(const fs::path& path) {
    const std::string text = path.string();
    if (text.empty()) {
        return "Cannot create directory";
    }
    for (const unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            return "The folder name holds characters that cannot be used: " + text;
        }
    }
    // Leave room for the longest name installed below it.
    constexpr std::size_t kRoomForNames = 64;
    if (text.size() + kRoomForNames >= PATH_MAX) {
        return "The folder name is too long: " + text;
    }
    for (const fs::path& part : path) {
        if (part.string().size() > NAME_MAX) {
            return "The folder name is too long: " + text;
        }
    }
    return {};
}

// The keys `after` has that `before` lacks, each by its full path, the
// topmost of a new branch only.
void CollectNewKeys(const SettingsKey* before, const SettingsKey& after, const std::string& prefix,
                    std::vector<std::string>& found) {
    for (const SettingsKey* child : after.SubKeys()) {
        const std::string path = prefix.empty() ? child->Name() : prefix + '\\' + child->Name();
        const SettingsKey* old = before != nullptr ? before->FindKey(child->Name()) : nullptr;
        if (old == nullptr) {
            found.push_back(path);
        } else {
            CollectNewKeys(old, *child, path, found);
        }
    }
}

std::string HResultText(HRESULT result) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(result));
    return text;
}

}  // namespace

bool RunProgram(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) {
        return false;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void RefreshDesktopDatabases(const UserFolders& user, const ProgramRunner& runner) {
    runner({"update-mime-database", user.MimeFolder().string()});
    runner({"update-desktop-database", user.ApplicationsFolder().string()});
}

CInstaller::CInstaller(fs::path sourceFolder, UserFolders user, const InstallPlan& plan,
                       ProgramRunner runner)
    : source_(std::move(sourceFolder)),
      target_(source_),
      user_(std::move(user)),
      plan_(plan),
      runner_(std::move(runner)) {}

void CInstaller::Log(std::string_view text) {
    Append(text);
    Append("\n");
}

void CInstaller::Append(std::string_view text) {
    log_ += text;
    if (listener_) {
        listener_(text);
    }
}

std::string CInstaller::GetLogText() const {
    const int lastError = errno;
    std::string text = "Setup Version 1.97\n";
    text += "Last Error: " + std::to_string(lastError) + '\n';
    utsname system{};
    if (::uname(&system) == 0) {
        text += std::string("System Version: ") + system.sysname + ' ' + system.release + ' ' +
                system.version + ' ' + system.machine + '\n';
    }
    text += "Source Directory: " + source_.string() + '\n';
    text += "Target Directory: " + target_.string() + '\n';
    text += "Settings Directory: " + Settings::UserFolder().string() + '\n';
    text += "Data Directory: " + user_.dataHome.string() + '\n';
    return text;
}

fs::path CInstaller::MachineSettingsFolder() const {
    return ScopedMachineSettings::FolderFor(target_);
}

bool CInstaller::SetTargetFolder(const fs::path& path) {
    if (const std::string problem = ProblemWithPath(path); !problem.empty()) {
        Append(problem);
        return false;
    }
    const fs::path absolute = AbsoluteFolder(path);
    if (!absolute.is_absolute()) {
        Append("Cannot create directory " + path.string());
        return false;
    }
    if (absolute != target_ || !recordOpened_) {
        target_ = absolute;
        recordOpened_ = true;
        if (const std::string problem = record_.Open(target_ / kManifestName); !problem.empty()) {
            Log(problem);
        }
    }
    return CreateDirectoryTree(target_);
}

fs::path CInstaller::AbsoluteFolder(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error).lexically_normal();
    if (error) {
        return path;
    }
    if (!absolute.has_filename()) {
        absolute = absolute.parent_path();
    }
    return absolute;
}

bool CInstaller::CreateDirectoryTree(const fs::path& path) {
    if (path.empty()) {
        Append("Cannot create directory");
        return false;
    }
    // The record lists the folders that were missing so that removing the
    // installation takes away these and no folder that was there before.
    const std::vector<fs::path> missing = InstallRecord::MissingFolders(path);
    std::error_code error;
    fs::create_directories(path, error);
    record_.AddFolders(missing);
    if (error || !fs::is_directory(path)) {
        Append("Cannot create directory " + path.string() +
               (error ? ": " + error.message() : std::string()));
        return false;
    }
    return true;
}

bool CInstaller::ExpandFile(std::string_view storedName) {
    const fs::path source = source_ / storedName;
    const std::optional<std::string> expanded = setup::ExpandedName(source);
    if (!expanded) {
        Append("Could not expand file " + source.string());
        return false;
    }
    const InstallFile* file = plan_.FindExpanded(*expanded);
    const fs::path target = target_ / plan_.InstalledName(*expanded);
    std::error_code error;
    if (fs::equivalent(source, target, error)) {
        return true;  // installing from the target folder itself copies nothing
    }
    const fs::perms permissions = file != nullptr ? PermissionsOf(file->mode) : kDataPermissions;
    switch (setup::ExpandFile(source, target, permissions).status) {
        case ExpandStatus::Expanded:
            break;
        case ExpandStatus::OutOfMemory:
        case ExpandStatus::WriteFailed:
            Append("Cannot copy file " + target.string());
            return false;
        case ExpandStatus::Corrupt:
            Append("File is corrupt: " + source.string());
            return false;
        case ExpandStatus::TargetUnwritable:
            Append("Cannot access " + target.string());
            return false;
        case ExpandStatus::SourceUnreadable:
            Append("Cannot access " + source.string());
            return false;
    }
    RecordFile(target);
    Log("Expanded " + std::string(storedName));
    return true;
}

void CInstaller::RecordFile(const fs::path& path) {
    if (const std::optional<InstalledFile> installed = InstallManifest::Fingerprint(path)) {
        record_.AddFile(*installed);
    }
}

bool CInstaller::RegisterServer(std::string_view expandedName) {
    const fs::path path = target_ / plan_.InstalledName(expandedName);
    const ScopedMachineSettings machine(MachineSettingsFolder());
    Settings& classes = Settings::ClassesRoot();
    const bool created = !fs::exists(classes.File());
    const std::vector<fs::path> missing =
        InstallRecord::MissingFolders(classes.File().parent_path());
    const std::shared_ptr<const SettingsKey> before = classes.Snapshot();
    std::string error;
    const ComponentLibrary* library = ComponentLibrary::Load(path, &error);
    if (library == nullptr) {
        Append("Cannot register file: file cannot be opened: Error: " + error + ": " +
               path.string());
        return false;
    }
    const HRESULT result = library->RegisterServer();
    // What the registration added is noted even when it failed half way.
    record_.AddFolders(missing);
    if (const std::shared_ptr<const SettingsKey> after = classes.Snapshot(); after) {
        std::vector<std::string> added;
        CollectNewKeys(before.get(), *after, {}, added);
        for (const std::string& key : added) {
            record_.AddKey(classes, key, created);
        }
    }
    if (Failed(result)) {
        Append("Cannot register file: the registration failed (" + HResultText(result) +
               "): " + path.string());
        return false;
    }
    record_.AddServer({path, MachineSettingsFolder()});
    return true;
}

bool CInstaller::WriteInstalledFile(const fs::path& path, std::string_view text,
                                    fs::perms permissions) {
    try {
        WriteFileAtomically(path, text);
        std::error_code error;
        fs::permissions(path, permissions, error);
    } catch (const FileError&) {
        return false;
    }
    RecordFile(path);
    return true;
}

int CInstaller::CreateShortcuts(const Shortcut& shortcut) {
    const fs::path target = target_ / plan_.InstalledName(shortcut.file);
    const fs::path icon =
        plan_.icon.empty() ? fs::path() : target_ / plan_.InstalledName(plan_.icon);
    const std::string entry =
        shortcut.kind == Shortcut::Kind::Program
            ? ProgramEntry(shortcut.name, shortcut.comment, target, shortcut.opensProfiles, icon)
            : DocumentEntry(shortcut.name, shortcut.comment, target, icon);
    int made = 0;
    // Desktops start only entries marked executable; a missing desktop folder
    // is not made, as the user chose to have none.
    if (fs::is_directory(user_.desktop) &&
        WriteInstalledFile(user_.desktop / shortcut.desktopFile, entry, kProgramPermissions)) {
        ++made;
        madeDesktopShortcut_ = true;
    }
    if (CreateDirectoryTree(user_.MenuFolder()) &&
        WriteInstalledFile(user_.MenuFolder() / shortcut.desktopFile, entry, kDataPermissions)) {
        ++made;
    }
    return made;
}

bool CInstaller::RegisterFileType() {
    const fs::path packages = user_.MimeFolder() / "packages";
    return CreateDirectoryTree(packages) &&
           WriteInstalledFile(packages / kMimePackageName, ProfileMimePackage(), kDataPermissions);
}

void CInstaller::RefreshDesktopDatabases() {
    setup::RefreshDesktopDatabases(user_, runner_);
}

bool CInstaller::GetInstalledFolder(fs::path& out) const {
    const std::string command =
        Settings::CurrentUser().GetString(kUninstallKey, "UninstallString", "");
    if (command.empty()) {
        out = user_.DefaultTarget();
        return false;
    }
    out = fs::path(command).parent_path();
    return true;
}

bool CInstaller::IsBrowserReady() const {
    void* handle = ::dlopen(browserLibrary_.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr) {
        return false;
    }
    ::dlclose(handle);
    return true;
}

}  // namespace gb::setup
