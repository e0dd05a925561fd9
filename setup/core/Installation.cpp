#include "setup/core/Installation.h"

#include "platform/Settings.h"
#include "setup/core/CRegKey3.h"
#include "setup/core/ProgramDefaults.h"
#include "setup/core/ScopedMachineSettings.h"

namespace gb::setup {

namespace fs = std::filesystem;

namespace {

bool ExpandFiles(CInstaller& installer) {
    installer.Log("Decompressing primary files...");
    for (const InstallFile& file : installer.Plan().files) {
        if (!installer.ExpandFile(file.storedName)) {
            return false;
        }
    }
    return true;
}

bool RegisterServers(CInstaller& installer) {
    installer.Log("Registering Servers... ");
    for (const std::string& server : installer.Plan().servers) {
        if (!installer.RegisterServer(server)) {
            installer.Log("");
            installer.Log(
                "Could not register the COM servers. Close other programs and try again.");
            return false;
        }
    }
    return true;
}

bool WriteUserSettings(CInstaller& installer) {
    installer.Log("Updating registry... ");
    CRegKey3 key = ProgramKey(Settings::CurrentUser(), &installer.Record());
    const bool written =
        WriteDefaults(key, UserDefaults(installer.TargetFolder()), Existing::Replace);
    if (!written) {
        installer.Log("Problem updating HKEY_CURRENT_USER registry settings.");
    }
    return written;
}

// The drop-down lists every user of the installed programs starts with. Not
// being able to write them is minor.
void WriteMachineCombos(CInstaller& installer) {
    const ScopedMachineSettings machine(installer.MachineSettingsFolder());
    CRegKey3 key = ProgramKey(Settings::LocalMachine(), &installer.Record());
    if (!WriteDefaults(key, MachineDefaults(), Existing::Replace)) {
        installer.Log("Problem updating HKEY_LOCAL_MACHINE registry settings.");
        installer.Log("Problem is minor, will continue with the installation.");
    }
}

bool CreateShortcuts(CInstaller& installer, const fs::path& folder) {
    if (!installer.RegisterFileType()) {
        installer.Log("");
        installer.Log("Could not register the profile file type.");
    }
    bool first = true;
    for (const Shortcut& shortcut : installer.Plan().shortcuts) {
        if (!installer.SetTargetFolder(folder)) {
            return false;
        }
        installer.Log(first ? "Creating Shortcut... " : "Creating Shortcut for help file... ");
        first = false;
        if (installer.CreateShortcuts(shortcut) < 1) {
            installer.Log("Unable to add shortcuts to desktop");
            installer.Log("You may need to do this manually");
            return false;
        }
    }
    installer.RefreshDesktopDatabases();
    return true;
}

bool WriteUninstallEntry(CInstaller& installer) {
    CRegKey3 key(Settings::CurrentUser(), "Microsoft", "Windows\\CurrentVersion", "Uninstall",
                 &installer.Record());
    return key.WriteString("Gavelbook_Sellers", "DisplayName",
                           "Gavelbook for Sellers - Norvel Software") &&
           key.WriteString("Gavelbook_Sellers", "UninstallString",
                           (installer.TargetFolder() /
                            installer.Plan().InstalledName(installer.Plan().uninstaller))
                               .string());
}

}  // namespace

bool Install(CInstaller& installer, const fs::path& folder) {
    const bool created = installer.SetTargetFolder(folder);
    installer.Log(installer.GetLogText());
    if (!created) {
        return false;
    }
    if (!ExpandFiles(installer) || !RegisterServers(installer) || !WriteUserSettings(installer)) {
        return false;
    }
    WriteMachineCombos(installer);
    return CreateShortcuts(installer, folder) && WriteUninstallEntry(installer);
}

}  // namespace gb::setup
