#include "setup/wizard/InstallRun.h"

#include "setup/core/CInstaller.h"
#include "setup/core/Installation.h"
#include "setup/core/ScopedMachineSettings.h"

namespace gb::setup::ui {

InstallRun::InstallRun(QObject* parent) : QObject(parent) {
    // Queued to this object's thread, ahead of any receiver connected later.
    connect(this, &InstallRun::Finished, this, &InstallRun::Join, Qt::QueuedConnection);
}

InstallRun::~InstallRun() {
    Join();
}

void InstallRun::Start(CInstaller& installer, const std::filesystem::path& folder) {
    if (Running()) {
        return;
    }
    installer_ = &installer;
    machineSettings_ = std::make_unique<ScopedMachineSettings>(
        ScopedMachineSettings::FolderFor(CInstaller::AbsoluteFolder(folder)));
    // The log holds file names, in the file system's encoding.
    installer.SetLogListener([this](std::string_view text) {
        Q_EMIT LogText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    });
    thread_ = std::thread([this, folder] { Q_EMIT Finished(setup::Install(*installer_, folder)); });
}

void InstallRun::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
    if (installer_ != nullptr) {
        installer_->SetLogListener(nullptr);
        installer_ = nullptr;
    }
    machineSettings_.reset();
}

}  // namespace gb::setup::ui
