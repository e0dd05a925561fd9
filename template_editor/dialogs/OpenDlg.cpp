#include "template_editor/dialogs/OpenDlg.h"

#include <QtWidgets/QHeaderView>

#include "template_editor/core/EditorStrings.h"
#include "template_editor/dialogs/DialogMessages.h"
#include "template_editor/dialogs/LibraryDlg.h"
#include "template_editor/dialogs/TemplateList.h"
#include "ui_OpenDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::editor {

COpenDlg::COpenDlg(gb::widgets::ModalRunner& runner, std::filesystem::path library, int selected,
                   QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::COpenDlg>()),
      runner_(runner),
      choice_(std::move(library), selected) {
    ui_->setupUi(this);
    SetUpTemplateList(*ui_->templateList);
    FillList();
    connect(ui_->openButton, &QPushButton::clicked, this, &COpenDlg::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &COpenDlg::reject);
    connect(ui_->deleteButton, &QPushButton::clicked, this, &COpenDlg::DeleteSelected);
    connect(ui_->libraryButton, &QPushButton::clicked, this, &COpenDlg::ChooseLibrary);
    // A double click on a template, or on a column header, opens as Open does.
    connect(ui_->templateList, &QTreeWidget::itemDoubleClicked, this, &COpenDlg::accept);
    connect(ui_->templateList->header(), &QHeaderView::sectionDoubleClicked, this,
            &COpenDlg::accept);
}

COpenDlg::~COpenDlg() = default;

void COpenDlg::FillList() {
    ui_->libraryName->setText(gb::widgets::PathToQt(choice_.GetPath().filename()));
    if (choice_.Fill() == LibraryState::Unreadable) {
        Tell(runner_, this, UnreadableLibraryMessage(choice_.GetPath()));
    }
    ShowTemplateRows(*ui_->templateList, choice_.Rows(), choice_.RowToSelect());
}

void COpenDlg::DeleteSelected() {
    const int row = SelectedTemplateRow(*ui_->templateList);
    const std::optional<std::string> name = choice_.NameAt(row);
    if (!name) {
        Tell(runner_, this, LoadMessage(string_id::NothingToDelete));
        return;
    }
    if (!Ask(runner_, this, LoadMessage(string_id::DeleteTemplate, *name))) {
        return;
    }
    const int next = choice_.Delete(row);
    delete ui_->templateList->takeTopLevelItem(row);
    if (QTreeWidgetItem* item = ui_->templateList->topLevelItem(next)) {
        ui_->templateList->setCurrentItem(item);
    }
}

void COpenDlg::ChooseLibrary() {
    CLibraryDlg dialog(runner_, choice_.GetPath(), false, this);
    if (runner_.Run(dialog) == QDialog::Accepted &&
        choice_.SwitchLibrary(dialog.GetLibraryPath())) {
        FillList();
    }
}

void COpenDlg::accept() {
    if (!choice_.Finish(SelectedTemplateRow(*ui_->templateList))) {
        Tell(runner_, this, LoadMessage(string_id::TemplateNotSaved));
        return;
    }
    QDialog::accept();
}

}  // namespace gb::editor
