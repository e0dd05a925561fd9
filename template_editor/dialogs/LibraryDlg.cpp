#include "template_editor/dialogs/LibraryDlg.h"

#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/NameRules.h"
#include "template_editor/dialogs/DialogMessages.h"
#include "ui_LibraryDlg.h"
#include "widgets/QtText.h"

namespace gb::editor {

using gb::widgets::PathFromQt;
using gb::widgets::PathToQt;

CLibraryDlg::CLibraryDlg(gb::widgets::ModalRunner& runner, const std::filesystem::path& library,
                         bool allowNew, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CLibraryDlg>()),
      runner_(runner),
      choice_(library),
      allowNew_(allowNew),
      path_(library) {
    ui_->setupUi(this);
    ui_->libraryEdit->setEnabled(allowNew);
    for (const std::string& name : choice_.GetNames()) {
        ui_->libraryList->addItem(PathToQt(name));
    }
    const QList<QListWidgetItem*> current =
        ui_->libraryList->findItems(PathToQt(choice_.GetCurrentName()), Qt::MatchExactly);
    if (!current.isEmpty()) {
        ui_->libraryList->setCurrentItem(current.front());
        ui_->libraryEdit->setText(current.front()->text());
    }
    connect(ui_->libraryList, &QListWidget::currentTextChanged, ui_->libraryEdit,
            &QLineEdit::setText);
    connect(ui_->selectButton, &QPushButton::clicked, this, &CLibraryDlg::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CLibraryDlg::reject);
}

CLibraryDlg::~CLibraryDlg() = default;

void CLibraryDlg::accept() {
    const std::string name =
        LibraryChoice::NormalizeName(PathFromQt(ui_->libraryEdit->text()).string());
    if (!choice_.Exists(name) && !(allowNew_ && CreateLibrary(name))) {
        return;
    }
    path_ = choice_.PathOf(name);
    QDialog::accept();
}

bool CLibraryDlg::CreateLibrary(const std::string& name) {
    if (!IsValidLibraryName(name)) {
        Tell(runner_, this, LoadMessage(string_id::InvalidLibraryName, name));
        return false;
    }
    if (!Ask(runner_, this, LoadMessage(string_id::CreateLibrary, name))) {
        return false;
    }
    if (!choice_.Create(name)) {
        Tell(runner_, this, LoadMessage(string_id::InvalidLibraryName, name));
        return false;
    }
    return true;
}

}  // namespace gb::editor
