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
    : CWizardPage(position, count, parent),
      sheet_(sheet),
      edit_(new QLineEdit(this)),
      problem_(new QLabel(this)) {
    edit_->setObjectName(QStringLiteral("folder"));
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    problem_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warning = problem_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
    problem_->setPalette(warning);
    auto* picture = new CPictureStatic(this);
    picture->SetPicture(PictureOf(SetupPicture::Logo));
    auto* prompt = MakeText(this);
    prompt->setText(ToQt(SetupText(ids::FolderPrompt)));
    auto* change = new QPushButton(QStringLiteral("&Change"), this);
    change->setObjectName(QStringLiteral("change"));
    connect(change, &QPushButton::clicked, this, &CPageFolder::ChangeFolder);
    connect(edit_, &QLineEdit::textEdited, problem_, &QLabel::clear);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 4, 1);
    layout->addWidget(prompt, 0, 1, 1, 2);
    layout->addWidget(edit_, 1, 1);
    layout->addWidget(change, 1, 2);
    layout->addWidget(problem_, 2, 1, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 5);
    layout->setRowStretch(3, 1);
}

void CPageFolder::initializePage() {
    edit_->setText(ToQt(sheet_.Installer().User().DefaultTarget()));
}

bool CPageFolder::validatePage() {
    const std::string typed = edit_->text().toStdString();
    const auto folder = FolderForText(typed, sheet_.Installer().User().home);
    if (const std::string* refusal = std::get_if<std::string>(&folder)) {
        problem_->setText(QString::fromStdString(*refusal));
        edit_->setFocus();
        return false;
    }
    problem_->clear();
    folder_ = std::get<std::filesystem::path>(folder);
    return true;
}

void CPageFolder::ChangeFolder() {
    if (const std::optional<std::filesystem::path> chosen =
            sheet_.ChooseFolder(this, ToQt(SetupText(ids::FolderBrowserTitle)))) {
        edit_->setText(ToQt(FolderForChoice(*chosen)));
        problem_->clear();
    }
}

}  // namespace gb::setup::ui
