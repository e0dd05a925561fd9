#include "app/dialogs/export/CExportDlg.h"

#include <QtWidgets/QFileDialog>
#include <QtWidgets/QPushButton>

#include <algorithm>
#include <filesystem>

#include "app/core/UiStrings.h"
#include "app/core/export/ExportTarget.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/common/ColumnLists.h"
#include "ui_CExportDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

using gb::widgets::PathFromQt;
using gb::widgets::PathToQt;

namespace gb::app::ui {

CExportDlg::CExportDlg(const gb::itemdb::CFeeSchedule& fees, const ExportSettings& stored,
                       const std::string& folderColumns, std::size_t itemCount,
                       gb::widgets::ModalRunner& runner, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CExportDlg>()), runner_(runner), choices_(stored) {
    ui_->setupUi(this);
    ui_->buttons->button(QDialogButtonBox::Ok)->setText("Export");
    ui_->itemCount->setText(QString::number(itemCount));
    ui_->type->setCurrentIndex(static_cast<int>(stored.type));
    ui_->target->setText(PathToQt(stored.target));
    columns_ =
        new ColumnLists(ColumnChoice(folderColumns.empty() ? stored.columns : folderColumns, fees),
                        {ui_->available, ui_->exported, ui_->add, ui_->remove, ui_->up, ui_->down},
                        this, {.doubleClickMoves = false, .selectShownAfterRemove = false});
    AdjustExtension();

    connect(ui_->browse, &QPushButton::clicked, this, &CExportDlg::OnBrowse);
    connect(ui_->type, &QComboBox::currentIndexChanged, this, &CExportDlg::OnTypeChanged);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &CExportDlg::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &CExportDlg::reject);
}

CExportDlg::~CExportDlg() = default;

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
    ui_->target->setText(
        PathToQt(ReplaceExtension(PathFromQt(ui_->target->text()).string(), ExtensionFor(type))));
}

bool CExportDlg::CheckTarget() {
    const std::filesystem::path target = PathFromQt(ui_->target->text());
    using gb::app::UiText;
    if (TargetExists(target) && ShowAppMessage(runner_, this, UiText(string_id::ExportOverwrite),
                                               QMessageBox::Yes | QMessageBox::No,
                                               QMessageBox::Question) != QMessageBox::Yes) {
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
    choices_.columns = columns_->Choice().ColumnSetText();
    choices_.target = PathFromQt(ui_->target->text()).string();
    QDialog::accept();
}

}  // namespace gb::app::ui
