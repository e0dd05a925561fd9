#include "app/dialogs/export/CExportDlg.h"

#include <QtWidgets/QFileDialog>
#include <QtWidgets/QPushButton>

#include <algorithm>
#include <filesystem>

#include "app/core/UiStrings.h"
#include "app/core/export/ExportTarget.h"
#include "app/dialogs/common/AppMessage.h"
#include "ui_CExportDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

using gb::widgets::FromQt;
using gb::widgets::ToQt;

namespace gb::app::ui {

namespace {

void FillList(QListWidget& list, const std::vector<ExportColumnChoice::Entry>& entries,
              int selection) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const ExportColumnChoice::Entry& entry : entries) {
        list.addItem(ToQt(entry.name));
    }
    list.setCurrentRow(selection);
}

}  // namespace

CExportDlg::CExportDlg(gb::itemdb::CFeeSchedule& fees, const ExportSettings& stored,
                       const std::string& folderColumns, std::size_t itemCount,
                       gb::widgets::ModalRunner& runner, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CExportDlg>()),
      runner_(runner),
      choice_(fees, folderColumns.empty() ? stored.columns : folderColumns),
      choices_(stored) {
    ui_->setupUi(this);
    ui_->buttons->button(QDialogButtonBox::Ok)->setText("Export");
    ui_->itemCount->setText(QString::number(itemCount));
    ui_->type->setCurrentIndex(static_cast<int>(stored.type));
    ui_->target->setText(ToQt(stored.target));
    ShowLists();
    AdjustExtension();

    connect(ui_->available, &QListWidget::currentRowChanged, this,
            [this](int row) { choice_.SelectAvailable(row); });
    connect(ui_->exported, &QListWidget::currentRowChanged, this,
            [this](int row) { choice_.SelectExported(row); });
    connect(ui_->add, &QPushButton::clicked, this, &CExportDlg::OnAdd);
    connect(ui_->remove, &QPushButton::clicked, this, &CExportDlg::OnRemove);
    connect(ui_->up, &QPushButton::clicked, this, &CExportDlg::OnUp);
    connect(ui_->down, &QPushButton::clicked, this, &CExportDlg::OnDown);
    connect(ui_->browse, &QPushButton::clicked, this, &CExportDlg::OnBrowse);
    connect(ui_->type, &QComboBox::currentIndexChanged, this, &CExportDlg::OnTypeChanged);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &CExportDlg::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &CExportDlg::reject);
}

CExportDlg::~CExportDlg() = default;

void CExportDlg::ShowLists() {
    FillList(*ui_->available, choice_.Available(), choice_.AvailableSelection());
    FillList(*ui_->exported, choice_.Exported(), choice_.ExportedSelection());
}

void CExportDlg::OnAdd() {
    choice_.Add();
    ShowLists();
}

void CExportDlg::OnRemove() {
    choice_.Remove();
    ShowLists();
}

void CExportDlg::OnUp() {
    choice_.Up();
    ShowLists();
}

void CExportDlg::OnDown() {
    choice_.Down();
    ShowLists();
}

void CExportDlg::OnBrowse() {
    QFileDialog dialog(this, "Select Export File", ui_->target->text());
    dialog.setObjectName("SelectExportFile");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("txt");
    dialog.setNameFilters({"Export Files (*.txt *.tab *.csv)", "All files (*)"});
    dialog.selectFile(ui_->target->text());
    if (runner_.Run(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        ui_->target->setText(dialog.selectedFiles().constFirst());
    }
}

void CExportDlg::OnTypeChanged(int) {
    AdjustExtension();
}

void CExportDlg::AdjustExtension() {
    const auto type = static_cast<ExportType>(std::max(0, ui_->type->currentIndex()));
    ui_->target->setText(ToQt(ReplaceExtension(FromQt(ui_->target->text()), ExtensionFor(type))));
}

bool CExportDlg::CheckTarget() {
    const std::filesystem::path target = FromQt(ui_->target->text());
    using gb::app::UiText;
    if (TargetExists(target) &&
        ShowAppMessage(runner_, this, UiText(string_id::ExportOverwrite),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) != QMessageBox::Yes) {
        return false;
    }
    if (!CanWriteTarget(target)) {
        ShowAppMessage(runner_, this, UiText(string_id::ExportCannotAccess));
        return false;
    }
    return true;
}

void CExportDlg::accept() {
    AdjustExtension();
    if (!CheckTarget()) {
        return;
    }
    choices_.type = static_cast<ExportType>(ui_->type->currentIndex());
    choices_.columns = choice_.ColumnSet();
    choices_.target = FromQt(ui_->target->text());
    QDialog::accept();
}

}  // namespace gb::app::ui
