#include "setup/wizard/CPageFolder.h"

#include <QtWidgets/QGridLayout>
#include <QtWidgets/QPushButton>

#include "setup/core/SetupStrings.h"
#include "setup/core/WizardRules.h"
#include "setup/wizard/CPictureStatic.h"
#include "setup/wizard/CWizardSheet.h"
#include "setup/wizard/SetupArt.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

CPageFolder::CPageFolder(CWizardSheet& sheet, int position, int count, QWidget* parent)
    : CWizardPage(position, count, parent), sheet_(sheet), folder_(new QLineEdit(this)) {
    folder_->setObjectName(QStringLiteral("folder"));
    auto* picture = new CPictureStatic(this);
    picture->SetPicture(PictureOf(SetupPicture::Logo));
    auto* prompt = MakeText(this);
    prompt->setText(ToQt(SetupText(ids::FolderPrompt)));
    auto* change = new QPushButton(QStringLiteral("&Change"), this);
    change->setObjectName(QStringLiteral("change"));
    connect(change, &QPushButton::clicked, this, &CPageFolder::ChangeFolder);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 3, 1);
    layout->addWidget(prompt, 0, 1, 1, 2);
    layout->addWidget(folder_, 1, 1);
    layout->addWidget(change, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 5);
    layout->setRowStretch(2, 1);
}

void CPageFolder::initializePage() {
    folder_->setText(ToQt(sheet_.Installer().User().DefaultTarget()));
}

std::filesystem::path CPageFolder::Folder() const {
    return PathOf(folder_->text().trimmed());
}

void CPageFolder::ChangeFolder() {
    if (const std::optional<std::filesystem::path> chosen =
            sheet_.ChooseFolder(this, ToQt(SetupText(ids::FolderBrowserTitle)))) {
        folder_->setText(ToQt(FolderForChoice(*chosen)));
    }
}

}  // namespace gb::setup::ui
