#pragma once
// Runs the installation on a thread of its own so that the wizard stays
// responsive: the setup log arrives piece by piece as it is written, then the
// end with its result, both on the wizard's thread.

#include <QtCore/QObject>
#include <filesystem>
#include <memory>
#include <thread>

namespace gb::setup {
class CInstaller;
class ScopedMachineSettings;
}  // namespace gb::setup

namespace gb::setup::ui {

class InstallRun : public QObject {
    Q_OBJECT
public:
    explicit InstallRun(QObject* parent = nullptr);
    // Waits for a running installation to end.
    ~InstallRun() override;

    // Installs into `folder` with `installer`, which must outlive the run.
    void Start(CInstaller& installer, const std::filesystem::path& folder);
    bool Running() const { return thread_.joinable(); }

Q_SIGNALS:
    void LogText(const QString& text);
    void Finished(bool installed);

private:
    void Join();

    CInstaller* installer_ = nullptr;
    // The component libraries register themselves in the machine settings the
    // environment names. The variable is set here, on the wizard's thread,
    // before the installation starts, and not changed while other threads run.
    std::unique_ptr<ScopedMachineSettings> machineSettings_;
    std::thread thread_;
};

}  // namespace gb::setup::ui
