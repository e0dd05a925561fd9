#pragma once
// The main program's start-up and shutdown around the application object:
// one instance per user, the splash screen, the settings, the fee schedule,
// the first profile, and the main window with its stored placement.

#include <QtCore/QObject>
#include <QtCore/QPointer>

#include <filesystem>
#include <memory>
#include <optional>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandLine.h"
#include "app/core/CommandMap.h"
#include "app/core/ProfileCommands.h"
#include "app/core/ServicePrompts.h"
#include "app/core/UiServices.h"
#include "app/ui/CSplashWnd.h"
#include "app/ui/QtFileDialogService.h"
#include "app/ui/QtMessageService.h"
#include "app/ui/QtShellService.h"
#include "interfaces/InstanceNames.h"
#include "itemdb/AucDoc.h"
#include "widgets/QtModalRunner.h"
#include "widgets/SingleInstance.h"

namespace gb {
class Settings;
}

namespace gb::app::ui {

class CMainFrame;

class LotkeeperProgram final : public QObject {
    Q_OBJECT

public:
    // The name under which the first instance is found.
    static constexpr const char* kInstanceName = gb::kLotkeeperInstanceName;

    // Without `services` the program runs its modal windows on the screen
    // and opens links on the desktop.
    LotkeeperProgram(CommandLine commandLine, gb::Settings& user,
                     std::filesystem::path programFolder,
                     const QString& instanceName = QString::fromLatin1(kInstanceName),
                     std::optional<UiServices> services = std::nullopt);
    ~LotkeeperProgram() override;

    // The names the program goes by: "Lotkeeper" for its settings and files,
    // "Gavelbook" where the desktop and Qt name it to the user (window titles,
    // message boxes). Call it once the QApplication exists.
    static void SetApplicationNames();

    // Start-up; false when the program is to end now: another instance runs
    // (and has come to the front), the profile named on the command line
    // cannot be opened, or nothing is to be shown.
    bool InitInstance();
    // Shutdown; gives the exit code.
    int ExitInstance(int code);

    CMainFrame* Frame() const { return frame_.get(); }
    gb::itemdb::CAucDoc& Document() { return document_; }
    CLotkeeperApp& App() { return app_; }
    gb::widgets::SingleInstance& Instance() { return instance_; }

private:
    void OnProfileEvent(ProfileCommands::Event event);

    CommandLine commandLine_;
    gb::widgets::SingleInstance instance_;
    gb::widgets::QtModalRunner screenRunner_;
    QtMessageService screenMessages_{screenRunner_};
    QtFileDialogService screenFiles_{screenRunner_};
    QtShellService desktopShell_;
    UiServices services_;
    CLotkeeperApp app_;
    gb::itemdb::CAucDoc document_;
    ServicePrompts prompts_;
    ProfileCommands profileCommands_;
    CommandMap appCommands_;
    std::unique_ptr<CMainFrame> frame_;
    QPointer<CSplashWnd> splash_;
};

}  // namespace gb::app::ui
