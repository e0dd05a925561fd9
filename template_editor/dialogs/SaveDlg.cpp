#include "template_editor/dialogs/SaveDlg.h"

#include "template_editor/dialogs/DialogMessages.h"
#include "template_editor/dialogs/LibraryDlg.h"
#include "template_editor/dialogs/TemplateList.h"
#include "ui_SaveDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::editor {

using gb::widgets::FromQt;
using gb::widgets::ToQt;

CSaveDlg::CSaveDlg(gb::widgets::ModalRunner& runner, std::filesystem::path library, int index,
                   QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CSaveDlg>()),
      runner_(runner),
      choice_(std::move(library), index) {
    ui_->setupUi(this);
    SetUpTemplateList(*ui_->templateList);
    connect(ui_->templateList, &QTreeWidget::itemSelectionChanged, this,
            &CSaveDlg::ShowSelectedRow);
    FillList();
    connect(ui_->saveButton, &QPushButton::clicked, this, &CSaveDlg::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CSaveDlg::reject);
    connect(ui_->libraryButton, &QPushButton::clicked, this, &CSaveDlg::ChooseLibrary);
}

CSaveDlg::~CSaveDlg() = default;

void CSaveDlg::FillList() {
    ui_->libraryName->setText(gb::widgets::PathToQt(choice_.Result().library.filename()));
    if (choice_.Fill() == LibraryState::Unreadable) {
        Tell(runner_, this, UnreadableLibraryMessage(choice_.Result().library));
    }
    ShowTemplateRows(*ui_->templateList, choice_.Rows(), choice_.RowToSelect());
}

void CSaveDlg::ShowSelectedRow() {
    const TemplateRow row = choice_.SelectRow(SelectedTemplateRow(*ui_->templateList));
    ui_->nameEdit->setText(ToQt(row.name));
    ui_->descriptionEdit->setText(ToQt(row.description));
}

void CSaveDlg::ChooseLibrary() {
    CLibraryDlg dialog(runner_, choice_.Result().library, true, this);
    if (runner_.Run(dialog) == QDialog::Accepted &&
        choice_.SwitchLibrary(dialog.GetLibraryPath())) {
        FillList();
    }
}

void CSaveDlg::accept() {
    using Kind = SaveTemplateChoice::Decision::Kind;
    const SaveTemplateChoice::Decision decision =
        choice_.Decide(FromQt(ui_->nameEdit->text()), FromQt(ui_->descriptionEdit->text()));
    switch (decision.kind) {
        case Kind::Refuse:
            Tell(runner_, this, decision.text);
            return;
        case Kind::AskReplace:
            if (!Ask(runner_, this, decision.text)) {
                return;
            }
            break;
        case Kind::AskRename:
            choice_.AnswerRename(Ask(runner_, this, decision.text));
            break;
        case Kind::Finish:
            break;
    }
    QDialog::accept();
}

}  // namespace gb::editor
