#include "app/dialogs/items/CFindDlg.h"

#include "app/core/UiStrings.h"
#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/Messages.h"
#include "ui_CFindDlg.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CFindDlg::CFindDlg(Search search, gb::widgets::ModalRunner& runner, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CFindDlg>()),
      search_(std::move(search)),
      runner_(runner) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    for (const int fieldId : SearchFields()) {
        ui_->field->addItem(gb::widgets::ToQt(UiText(fieldId)), fieldId);
    }
    ui_->field->setCurrentIndex(0);
    connect(ui_->currentFolder, &QRadioButton::toggled, this,
            [this](bool current) { ui_->find->setText(current ? tr("&Find Next") : tr("&Find")); });
    connect(ui_->find, &QPushButton::clicked, this, &CFindDlg::OnFind);
}

CFindDlg::~CFindDlg() = default;

void CFindDlg::OnFind() {
    const std::optional<std::string> text = SearchTextOf(Text(*ui_->text));
    if (!text) {
        Tell(runner_, this, UiText(string_id::SearchTextMissing));
        return;
    }
    search_({ui_->allFolders->isChecked() ? SearchScope::AllFolders : SearchScope::CurrentFolder,
             ui_->field->currentData().toInt(), *text});
}

QComboBox* CFindDlg::FieldBox() const {
    return ui_->field;
}

QLineEdit* CFindDlg::TextEdit() const {
    return ui_->text;
}

QRadioButton* CFindDlg::CurrentFolderButton() const {
    return ui_->currentFolder;
}

QRadioButton* CFindDlg::AllFoldersButton() const {
    return ui_->allFolders;
}

QPushButton* CFindDlg::FindButton() const {
    return ui_->find;
}

}  // namespace gb::app::ui
