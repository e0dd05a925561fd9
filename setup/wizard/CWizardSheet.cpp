#include "setup/wizard/CWizardSheet.h"

#include <QtWidgets/QFileDialog>

#include "setup/wizard/CPageError.h"
#include "setup/wizard/CPageFolder.h"
#include "setup/wizard/CPageInfo.h"
#include "setup/wizard/CPageLast.h"
#include "setup/wizard/CPageRead.h"
#include "setup/wizard/SetupQtText.h"
#include "widgets/HelpService.h"

namespace gb::setup::ui {

std::optional<std::filesystem::path> CWizardSheet::BrowseForFolder(QWidget* parent,
                                                                   const QString& title) {
    const QString chosen = QFileDialog::getExistingDirectory(parent, title, QDir::homePath());
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return PathOf(chosen);
}

CWizardSheet::CWizardSheet(CInstaller installer, widgets::HelpOpener& help,
                           widgets::ModalRunner& runner, FolderChooser chooser, QWidget* parent)
    : QWizard(parent),
      installer_(std::move(installer)),
      help_(help),
      runner_(runner),
      chooser_(std::move(chooser)) {
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setOption(QWizard::HaveHelpButton);
    // A page is filled when first shown: going back keeps what the user typed.
    setOption(QWizard::IndependentPages);
    setPage(InfoPage, new CPageInfo(1, kNumberedPages, this));
    setPage(ReadPage, new CPageRead(*this, 2, kNumberedPages, this));
    folderPage_ = new CPageFolder(*this, 3, kNumberedPages, this);
    setPage(FolderPage, folderPage_);
    lastPage_ = new CPageLast(*this, 4, kNumberedPages, this);
    setPage(LastPage, lastPage_);
    setPage(ErrorPage, new CPageError(this));
    setStartId(InfoPage);
    setWindowIcon(QIcon(QStringLiteral(":/setup/lotkeeper-32.png")));
    setMinimumSize(600, 380);
    connect(this, &QWizard::currentIdChanged, this, &CWizardSheet::ShowCaption);
    connect(this, &QWizard::helpRequested, this, &CWizardSheet::ShowHelp);
    ShowCaption(InfoPage);
}

void CWizardSheet::ShowCaption(int id) {
    if (const auto* current = qobject_cast<const CWizardPage*>(page(id))) {
        setWindowTitle(current->Caption());
    }
}

void CWizardSheet::ShowHelp() {
    widgets::HelpService(installer_.SourceFolder() / widgets::kHelpFileName, help_)
        .ShowContextOrTell(widgets::help_context::Setup, runner_, this);
}

std::filesystem::path CWizardSheet::InstallFolder() const {
    return folderPage_->Folder();
}

void CWizardSheet::reject() {
    if (!lastPage_->Installing()) {
        QWizard::reject();
    }
}

}  // namespace gb::setup::ui
