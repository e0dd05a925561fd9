#include "app/ui/LotkeeperProgram.h"

#include <QtCore/QDir>
#include <QtCore/QStandardPaths>
#include <QtWidgets/QApplication>

#include "app/core/CommandIds.h"
#include "app/core/DocumentStrings.h"
#include "app/core/MachineProfile.h"
#include "app/dialogs/about/CAboutDlg.h"
#include "app/dialogs/combos/CComboListDlg.h"
#include "app/dialogs/fees/CFeeSchdDlg.h"
#include "app/ui/ArtLibrary.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CSplashWnd.h"
#include "app/ui/help/HelpCommands.h"
#include "itemdb/FieldId.h"
#include "platform/Settings.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

// The user's documents folder, where a first profile is proposed; the home
// folder when the user has none.
std::filesystem::path DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return gb::widgets::PathFromQt(QDir(documents).exists() ? documents : QDir::homePath());
}

}  // namespace

LotkeeperProgram::LotkeeperProgram(CommandLine commandLine, gb::Settings& user,
                                   std::filesystem::path programFolder, const QString& instanceName,
                                   std::optional<UiServices> services)
    : commandLine_(std::move(commandLine)),
      instance_(instanceName),
      services_(services.value_or(
          UiServices{screenMessages_, screenFiles_, desktopShell_, screenRunner_})),
      app_(user, std::move(programFolder)),
      prompts_(services_.messages, services_.files, app_.GetRecentFiles(), DocumentsFolder()),
      profileCommands_(document_, app_, services_.files, services_.messages) {
    document_.SetHost(&app_);
    document_.SetPrompts(&prompts_);
}

LotkeeperProgram::~LotkeeperProgram() {
    if (splash_ != nullptr) {
        splash_->close();
    }
    frame_.reset();
    document_.SetHost(nullptr);
    document_.SetPrompts(nullptr);
}

void LotkeeperProgram::SetApplicationNames() {
    QApplication::setApplicationName(QStringLiteral("Lotkeeper"));
    QApplication::setOrganizationName(QStringLiteral("Norvel Software"));
    QApplication::setApplicationDisplayName(gb::widgets::ToQt(ApplicationTitle()));
}

bool LotkeeperProgram::InitInstance() {
    if (!instance_.Claim()) {
        return false;
    }
    frame_ = std::make_unique<CMainFrame>(app_, document_, services_);
    screenMessages_.SetParent(frame_.get());
    screenFiles_.SetParent(frame_.get());
    connect(&instance_, &gb::widgets::SingleInstance::Activated, frame_.get(),
            &CMainFrame::BringToFront);

    if (commandLine_.ShowsSplash()) {
        splash_ = CSplashWnd::Show(ArtLibrary::Splash(), frame_.get());
        QApplication::processEvents();
    }

    app_.LoadSettings();

    frame_->AddCommandTarget(&profileCommands_.Commands());
    appCommands_.On(cmd::AppAbout, [this](int) {
        CAboutDlg about(services_.shell, services_.messages, frame_.get());
        services_.modals.Run(about);
    });
    appCommands_.On(cmd::FeeSchedule, [this](int) {
        const MachineProfile machine(gb::Settings::LocalMachine());
        EditFeeSchedule(services_.modals, frame_.get(), app_.GetFeeSchedule(),
                        machine.GetComboValues(gb::itemdb::field::PaymentMethod));
    });
    appCommands_.On(cmd::DropDownLists, [this](int) {
        MachineProfile machine(gb::Settings::LocalMachine());
        CComboListDlg::Run(services_.modals, frame_.get(), machine);
    });
    BindHelpCommands(appCommands_, frame_->Help());
    frame_->AddCommandTarget(&appCommands_);

    const StartupRequest request = app_.ChooseStartupProfile(commandLine_);
    const StartupResult result =
        app_.OpenStartupProfile(request, profileCommands_, services_.messages);
    if (result == StartupResult::Failed) {
        return false;
    }
    profileCommands_.SetListener([this](ProfileCommands::Event event) { OnProfileEvent(event); });
    profileCommands_.SetFormStore([this] { frame_->StoreRightForm(); });
    frame_->ShowMainView();
    if (result != StartupResult::Opened) {
        frame_->ShowUserProfile();
    }
    if (!commandLine_.ShowsMainWindow()) {
        return false;
    }
    if (!frame_->LoadWindowPlacement()) {
        frame_->show();
    }
    if (splash_ != nullptr) {
        splash_->raise();
    }
    frame_->UpdateCaption();
    frame_->AcceptDroppedFiles(
        [this](const std::filesystem::path& path) { profileCommands_.OpenProfile(path); });
    frame_->RequestCommandRefresh();
    return true;
}

void LotkeeperProgram::OnProfileEvent(ProfileCommands::Event event) {
    frame_->UpdateCaption();
    if (event == ProfileCommands::Event::Created) {
        frame_->ShowUserProfile();
    }
    frame_->RequestCommandRefresh();
}

int LotkeeperProgram::ExitInstance(int code) {
    app_.ExitInstance();
    return code;
}

}  // namespace gb::app::ui
