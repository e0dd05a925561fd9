#include "app/core/CLotkeeperApp.h"

#include "app/core/AppSettings.h"
#include "app/core/MessageService.h"
#include "app/core/UiStrings.h"
#include "platform/PathText.h"
#include "platform/Settings.h"

namespace gb::app {

CLotkeeperApp::CLotkeeperApp(gb::Settings& user, std::filesystem::path programFolder)
    : user_(user), programFolder_(std::move(programFolder)) {}

void CLotkeeperApp::LoadSettings() {
    recentFiles_.Load(user_);
    templateLibraryName_ =
        gb::paths::FromSettingText(user_.GetString(SectionKey(section::TemplateSettings),
                                                   value::Library, kDefaultTemplateLibrary))
            .string();
    currentTemplateIndex_ = 0;
    ReloadTemplateLibrary();
    // A missing or damaged file leaves the entries it could not give at their
    // defaults; the program runs on with them. A damaged one is not written
    // over at exit: the user may still mend or restore it.
    const std::filesystem::path fees = programFolder_ / kFeeScheduleFile;
    std::error_code error;
    feeScheduleWritable_ = !std::filesystem::exists(fees, error) && !error;
    feeScheduleWritable_ = feeSchedule_.Load(fees) || feeScheduleWritable_;
    settingsLoaded_ = true;
}

void CLotkeeperApp::ReloadTemplateLibrary() {
    templateLibrary_ = gb::itemdb::CTemplateLibrary();
    templateLibrary_.OpenFile(GetTemplateLibraryPath());
}

StartupRequest CLotkeeperApp::ChooseStartupProfile(const CommandLine& commandLine) const {
    if (!commandLine.fileName.empty()) {
        return {commandLine.fileName, false};
    }
    const std::string last = user_.GetString(SectionKey(section::Settings), value::ProfileName);
    if (last.empty()) {
        return {};
    }
    return {gb::paths::FromSettingText(last), true};
}

StartupResult CLotkeeperApp::OpenStartupProfile(const StartupRequest& request,
                                                ProfileOpener& opener, MessageService& messages) {
    if (request.path.empty()) {
        return opener.NewProfile() ? StartupResult::Created : StartupResult::Failed;
    }
    if (opener.OpenProfile(request.path)) {
        return StartupResult::Opened;
    }
    if (!request.reopeningLast) {
        return StartupResult::Failed;
    }
    messages.Show(UiText(string_id::LastProfileMissing));
    return opener.NewProfile() ? StartupResult::CreatedInstead : StartupResult::Failed;
}

void CLotkeeperApp::ExitInstance() {
    if (!settingsLoaded_) {
        return;
    }
    if (!profilePath_.empty()) {
        user_.SetString(SectionKey(section::Settings), value::ProfileName,
                        gb::paths::ToSettingText(profilePath_));
    }
    if (feeScheduleWritable_) {
        feeSchedule_.Save();
    }
    recentFiles_.Save(user_);
}

void CLotkeeperApp::SetProfilePath(const std::filesystem::path& path) {
    profilePath_ = AbsoluteProfilePath(path);
}

void CLotkeeperApp::UseTemplate(const std::string& libraryName, int index) {
    templateLibraryName_ = libraryName;
    currentTemplateIndex_ = index;
    templateLibrary_ = gb::itemdb::CTemplateLibrary();
    templateLibrary_.OpenFile(GetTemplateLibraryPath());
    const std::string key = SectionKey(section::TemplateSettings);
    user_.SetString(key, value::Library, gb::paths::ToSettingText(libraryName));
    user_.SetNumber(key, value::Template, static_cast<std::uint32_t>(index));
}

std::filesystem::path CLotkeeperApp::GetTemplateLibraryPath() const {
    return programFolder_ / templateLibraryName_;
}

}  // namespace gb::app
