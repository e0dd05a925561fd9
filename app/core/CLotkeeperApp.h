#pragma once
// The main program's application object without its windows: the state every
// part of the program reaches through it (the current document, the profile
// path, the profile file version in use, the template library and the
// clipboard template chosen last, the fee schedule, the recently used
// profiles), and the steps of start-up and shutdown that decide rather than
// show.

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/core/CommandLine.h"
#include "app/core/RecentFileList.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/ProfileHost.h"
#include "itemdb/TemplateLibrary.h"

namespace gb {
class Settings;
}

namespace gb::app {

class MessageService;

// How start-up opens the first profile.
class ProfileOpener {
public:
    virtual bool NewProfile() = 0;
    virtual bool OpenProfile(const std::filesystem::path& path) = 0;

protected:
    ~ProfileOpener() = default;
};

// Which profile start-up opens.
struct StartupRequest {
    std::filesystem::path path;  // empty: a new profile
    bool reopeningLast = false;  // the path is the one used at the last exit

    bool operator==(const StartupRequest&) const = default;
};

enum class StartupResult {
    Opened,          // the requested profile is open
    Created,         // no profile was requested; a new one was made
    CreatedInstead,  // the last profile could not be opened; a new one was made
    Failed,          // start-up ends
};

class CLotkeeperApp final : public gb::itemdb::ProfileHost {
public:
    CLotkeeperApp(gb::Settings& user, std::filesystem::path programFolder);

    // Reads the template library's name, the recently used profiles and the
    // fee schedule.
    void LoadSettings();

    // The profile named on the command line, else the one used last.
    StartupRequest ChooseStartupProfile(const CommandLine& commandLine) const;
    // Opens it. When the last profile cannot be reopened the user is told and a
    // new profile is made; a profile named on the command line that cannot be
    // opened ends start-up.
    StartupResult OpenStartupProfile(const StartupRequest& request, ProfileOpener& opener,
                                     MessageService& messages);

    // Remembers the current profile for the next start and writes the fee
    // schedule and the recent profiles back. Only settings this process
    // loaded are written: one that ended before loading them (a second
    // instance handing over to the first) writes nothing, and a fee schedule
    // file that could not be read stays as it is.
    void ExitInstance();

    const std::filesystem::path& GetProgramFolder() const { return programFolder_; }
    std::filesystem::path GetTemplateLibraryPath() const;
    // The library's file name: the file system's bytes, not 1252 text.
    const std::string& GetTemplateLibraryName() const { return templateLibraryName_; }
    // The template library, read once by LoadSettings; empty when its file is
    // missing or damaged.
    const gb::itemdb::CTemplateLibrary& GetTemplateLibrary() const { return templateLibrary_; }
    // Reads the library again: the template editor may have changed it since.
    void ReloadTemplateLibrary();

    // ProfileHost: what the document reports of the open profile.
    void SetCurrentDocument(gb::itemdb::CAucDoc* document) override { currentDocument_ = document; }
    // Kept as an absolute path, so that a start from another folder finds it.
    void SetProfilePath(const std::filesystem::path& path) override;
    void SetFileVersion(std::int32_t version) override { fileVersion_ = version; }

    gb::itemdb::CAucDoc* GetCurrentDocument() const { return currentDocument_; }
    const std::filesystem::path& GetProfilePath() const { return profilePath_; }
    std::int32_t GetFileVersion() const { return fileVersion_; }

    int GetCurrentTemplateIndex() const { return currentTemplateIndex_; }
    void SetCurrentTemplateIndex(int index) { currentTemplateIndex_ = index; }
    // The template the user chose in the template chooser: it becomes the
    // current one, its library is read again and both are remembered.
    void UseTemplate(const std::string& libraryName, int index);

    gb::itemdb::CFeeSchedule& GetFeeSchedule() { return feeSchedule_; }
    RecentFileList& GetRecentFiles() { return recentFiles_; }
    gb::Settings& GetUserSettings() { return user_; }

private:
    gb::Settings& user_;
    std::filesystem::path programFolder_;
    gb::itemdb::CAucDoc* currentDocument_ = nullptr;
    std::filesystem::path profilePath_;
    std::int32_t fileVersion_ = 0;
    int currentTemplateIndex_ = 0;
    std::string templateLibraryName_;
    gb::itemdb::CTemplateLibrary templateLibrary_;
    gb::itemdb::CFeeSchedule feeSchedule_;
    RecentFileList recentFiles_;
    bool settingsLoaded_ = false;
    // The fee schedule was read, or had no file yet: exit may write it.
    bool feeScheduleWritable_ = false;
};

}  // namespace gb::app
