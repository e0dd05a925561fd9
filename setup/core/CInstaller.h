#pragma once
// The installation engine: the target folder, the setup log, expansion of the
// medium's files, registration of the component libraries, the shortcuts and
// the profile file type. Every failure is told through the setup log; the
// installation's record ("Installed.lst" in the target folder) lists what was
// done, for the uninstaller; an installation into the same folder again adds
// to it.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/core/InstallPlan.h"
#include "setup/core/InstallRecord.h"
#include "setup/core/UserFolders.h"

namespace gb::setup {

// Starts a helper program and waits for it; false when it could not run or failed.
using ProgramRunner = std::function<bool(const std::vector<std::string>& arguments)>;
bool RunProgram(const std::vector<std::string>& arguments);

// Has the desktop re-read the user's file types and menu entries, after an
// installation added them or its removal took them away; best effort.
void RefreshDesktopDatabases(const UserFolders& user, const ProgramRunner& runner);

class CInstaller {
public:
    // Installs from `sourceFolder` (the install medium) by `plan`.
    CInstaller(std::filesystem::path sourceFolder, UserFolders user,
               const InstallPlan& plan = ShippedPlan(), ProgramRunner runner = &RunProgram);

    const std::filesystem::path& SourceFolder() const { return source_; }
    const std::filesystem::path& TargetFolder() const { return target_; }
    const UserFolders& User() const { return user_; }
    const InstallPlan& Plan() const { return plan_; }
    InstallRecord& Record() { return record_; }

    // The target folder becomes `path`, made absolute, and is created. Refuses
    // (with a log line) paths that are empty, too long or hold control characters.
    bool SetTargetFolder(const std::filesystem::path& path);
    // The folder SetTargetFolder makes of `path`; `path` itself when it has no
    // absolute form.
    static std::filesystem::path AbsoluteFolder(const std::filesystem::path& path);
    bool CreateDirectoryTree(const std::filesystem::path& path);
    // Expands one file of the medium, by its stored name, into the target folder.
    bool ExpandFile(std::string_view storedName);
    // Registers the component library of the target folder with this expanded
    // name through its own DllRegisterServer; a failed registration fails.
    bool RegisterServer(std::string_view expandedName);
    // Writes the shortcut's desktop entries (desktop and applications menu)
    // and gives how many were written.
    int CreateShortcuts(const Shortcut& shortcut);
    // Whether some shortcut went onto the desktop: without a desktop folder
    // the applications menu has them all.
    bool MadeDesktopShortcut() const { return madeDesktopShortcut_; }
    // Installs the profile file type for the desktop.
    bool RegisterFileType();
    // Has the desktop re-read its file types and menu entries; best effort.
    void RefreshDesktopDatabases();

    // The folder of an earlier installation (true), else the default target.
    bool GetInstalledFolder(std::filesystem::path& out) const;
    // Whether the web engine that the main program's web views need can be loaded.
    bool IsBrowserReady() const;
    void SetBrowserLibrary(std::string library) { browserLibrary_ = std::move(library); }

    // Appends `text` and a line end to the setup log; Append adds no line end.
    void Log(std::string_view text);
    void Append(std::string_view text);
    // Called with each piece of text as it is added to the log, on the thread
    // that runs the installation.
    using LogListener = std::function<void(std::string_view text)>;
    void SetLogListener(LogListener listener) { listener_ = std::move(listener); }
    const std::string& SetupLog() const { return log_; }
    // The header the log begins with: versions and folders.
    std::string GetLogText() const;

    // The machine settings and component registry of the installed programs.
    std::filesystem::path MachineSettingsFolder() const;

private:
    bool WriteInstalledFile(const std::filesystem::path& path, std::string_view text,
                            std::filesystem::perms permissions);
    void RecordFile(const std::filesystem::path& path);

    std::filesystem::path source_;
    std::filesystem::path target_;
    UserFolders user_;
    const InstallPlan& plan_;
    ProgramRunner runner_;
    std::string browserLibrary_ = "libQt6WebEngineCore.so.6";
    std::string log_;
    LogListener listener_;
    InstallRecord record_;
    bool recordOpened_ = false;
    bool madeDesktopShortcut_ = false;
};

// The uninstall entry, in the user's settings: installation is per user.
inline constexpr std::string_view kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gavelbook_Sellers";

}  // namespace gb::setup
