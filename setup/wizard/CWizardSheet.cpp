#include "setup/wizard/CWizardSheet.h"

#include <QtWidgets/QFileDialog>

#include "setup/core/Installation.h"
#include "setup/wizard/CPageError.h"
#include "setup/wizard/CPageFolder.h"
#include "setup/wizard/CPageInfo.h"
#include "setup/wizard/CPageLast.h"
#include "setup/wizard/CPageRead.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

std::optional<std::filesystem::path> CWizardSheet::BrowseForFolder(QWidget* parent,
                                                                   const QString& title) {
    const QString chosen = QFileDialog::getExistingDirectory(parent, title, QDir::homePath());
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return PathOf(chosen);
}

CWizardSheet::CWizardSheet(CInstaller installer, FolderChooser chooser, QWidget* parent)
    : QWizard(parent), installer_(std::move(installer)), chooser_(std::move(chooser)) {
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setOption(QWizard::NoBackButtonOnLastPage);
    setPage(InfoPage, new CPageInfo(1, kNumberedPages, this));
    setPage(ReadPage, new CPageRead(*this, 2, kNumberedPages, this));
    folderPage_ = new CPageFolder(*this, 3, kNumberedPages, this);
    setPage(FolderPage, folderPage_);
    setPage(LastPage, new CPageLast(*this, 4, kNumberedPages, this));
    setPage(ErrorPage, new CPageError(this));
    setStartId(InfoPage);
    setWindowIcon(QIcon(QStringLiteral(":/setup/lotkeeper-32.png")));
    setMinimumSize(600, 380);
    connect(this, &QWizard::currentIdChanged, this, &CWizardSheet::ShowCaption);
    ShowCaption(InfoPage);
}

void CWizardSheet::ShowCaption(int id) {
    if (const auto* current = qobject_cast<const CWizardPage*>(page(id))) {
        setWindowTitle(current->Caption());
    }
}

bool CWizardSheet::Install() {
    return setup::Install(installer_, folderPage_->Folder());
}

}  // namespace gb::setup::ui
