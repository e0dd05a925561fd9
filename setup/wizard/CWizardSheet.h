#pragma once
// Setup's wizard: welcome, readme, folder and last page, and the error page
// the readme page jumps to when the machine lacks the web engine. The last
// page's Finish runs the installation once. Help opens the user guide of the
// medium, or names it when no browser can.

#include <QtWidgets/QWizard>
#include <filesystem>
#include <functional>
#include <optional>

#include "setup/core/CInstaller.h"

namespace gb::widgets {
class HelpOpener;
class ModalRunner;
}  // namespace gb::widgets

namespace gb::setup::ui {

class CPageFolder;
class CPageLast;

class CWizardSheet : public QWizard {
    Q_OBJECT
public:
    enum PageId { InfoPage, ReadPage, FolderPage, LastPage, ErrorPage };
    static constexpr int kNumberedPages = 4;

    // Asks the user for a folder; nothing when the user cancels. Tests give
    // their own so no window blocks them.
    using FolderChooser =
        std::function<std::optional<std::filesystem::path>(QWidget* parent, const QString& title)>;
    static std::optional<std::filesystem::path> BrowseForFolder(QWidget* parent,
                                                                const QString& title);

    // `help` opens the user guide in the browser; `runner` runs the sheet's
    // message boxes.
    CWizardSheet(CInstaller installer, widgets::HelpOpener& help, widgets::ModalRunner& runner,
                 FolderChooser chooser = &BrowseForFolder, QWidget* parent = nullptr);

    CInstaller& Installer() { return installer_; }
    widgets::ModalRunner& Runner() { return runner_; }
    std::optional<std::filesystem::path> ChooseFolder(QWidget* parent, const QString& title) {
        return chooser_(parent, title);
    }
    // The folder page's folder, which the installation goes into.
    std::filesystem::path InstallFolder() const;

    // Cancel, Escape and closing the window do nothing while the installation runs.
    void reject() override;

private:
    void ShowCaption(int id);
    void ShowHelp();

    CInstaller installer_;
    widgets::HelpOpener& help_;
    widgets::ModalRunner& runner_;
    FolderChooser chooser_;
    CPageFolder* folderPage_;
    CPageLast* lastPage_;
};

}  // namespace gb::setup::ui
