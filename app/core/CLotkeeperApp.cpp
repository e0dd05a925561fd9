#include "app/core/CLotkeeperApp.h"

#include "app/core/AppSettings.h"
#include "app/core/MessageService.h"
#include "app/core/UiStrings.h"
#include "platform/Settings.h"

CLotkeeperApp::CLotkeeperApp(gb::Settings& user, std::filesystem::path programFolder)
    : user_(user), programFolder_(std::move(programFolder)) {}

void CLotkeeperApp::LoadSettings() {
    recentFiles_.Load(user_);
    templateLibraryName_ = user_.GetString(ui::SectionKey(ui::section::TemplateSettings),
                                           ui::value::Library, ui::kDefaultTemplateLibrary);
    currentTemplateIndex_ = 0;
    // A missing or damaged file leaves the entries it could not give at their
    // defaults; the program runs on with them.
    feeSchedule_.Load(programFolder_ / ui::kFeeScheduleFile);
    settingsLoaded_ = true;
}

ui::StartupRequest CLotkeeperApp::ChooseStartupProfile(const ui::CommandLine& commandLine) const {
    if (!commandLine.fileName.empty()) {
        return {commandLine.fileName, false};
    }
    const std::string last =
        user_.GetString(ui::SectionKey(ui::section::Settings), ui::value::ProfileName);
    if (last.empty()) {
        return {};
    }
    return {last, true};
}

ui::StartupResult CLotkeeperApp::OpenStartupProfile(const ui::StartupRequest& request,
                                                    ui::ProfileOpener& opener,
                                                    ui::MessageService& messages) {
    if (request.path.empty()) {
        return opener.NewProfile() ? ui::StartupResult::Created : ui::StartupResult::Failed;
    }
    if (opener.OpenProfile(request.path)) {
        return ui::StartupResult::Opened;
    }
    if (!request.reopeningLast) {
        return ui::StartupResult::Failed;
    }
    messages.Show(ui::UiText(string_id::LastProfileMissing));
    return opener.NewProfile() ? ui::StartupResult::CreatedInstead : ui::StartupResult::Failed;
}

void CLotkeeperApp::ExitInstance() {
    if (!settingsLoaded_) {
        return;
    }
    if (!profilePath_.empty()) {
        user_.SetString(ui::SectionKey(ui::section::Settings), ui::value::ProfileName,
                        profilePath_.string());
    }
    feeSchedule_.Save();
    recentFiles_.Save(user_);
}

void CLotkeeperApp::SetProfilePath(const std::filesystem::path& path) {
    profilePath_ = ui::AbsoluteProfilePath(path);
}

std::filesystem::path CLotkeeperApp::GetTemplateLibraryPath() const {
    return programFolder_ / templateLibraryName_;
}
