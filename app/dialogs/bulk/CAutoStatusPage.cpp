#include "app/dialogs/bulk/CAutoStatusPage.h"

#include "app/core/UiStrings.h"
#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/TemplateTexts.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "app/dialogs/common/PickerText.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "ui_CAutoStatusPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
using gb::widgets::ToQt;
namespace field = gb::itemdb::field;

namespace {
constexpr char kStatusRefused[] = "Status cannot be updated for these items.";
}

CAutoStatusPage::CAutoStatusPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                                 gb::widgets::ModalRunner& runner)
    : BulkPage(bulk, sources, runner) {
    FillList(*ui_->method, field::PaymentMethod);
    FillList(*ui_->feedback, field::Feedback);
    for (const StatusChoice& choice : sources_.statuses) {
        ui_->status->addItem(ToQt(choice.name), choice.id);
    }
    ui_->status->setCurrentIndex(SuggestedStatusIndex(sources_.statuses, bulk_.Item().GetStatus()));
    ui_->payDate->setDate(QDate::currentDate());
    ui_->payDate->setEnabled(false);
    connect(ui_->payDateSet, &QCheckBox::toggled, ui_->payDate, &QWidget::setEnabled);
    connect(ui_->updateStatus, &QCheckBox::toggled, this, &CAutoStatusPage::OnUpdateToggled);
    connect(ui_->method, &QComboBox::activated, this, [this] {
        if (sources_.showHint) {
            sources_.showHint(string_id::HintPaymentMethod);
        }
    });
    OnUpdateToggled();
}

CAutoStatusPage::~CAutoStatusPage() = default;

void CAutoStatusPage::OnUpdateToggled() {
    const bool update = ui_->updateStatus->isChecked();
    ui_->status->setEnabled(update);
    ui_->statusHint->setText(update ? QString() : tr("Check the box to update item status."));
}

std::optional<std::string> CAutoStatusPage::Store() {
    bulk_.Flags().updateStatus = ui_->updateStatus->isChecked();
    if (bulk_.Flags().updateStatus) {
        const int status = ui_->status->currentIndex() < 0 ? gb::itemdb::folder::NeedsAttention
                                                           : ui_->status->currentData().toInt();
        if (!bulk_.Item().SetStatus(status, false)) {
            return kStatusRefused;
        }
    }
    const std::string payDate = ui_->payDateSet->isChecked() ? DateOf(*ui_->payDate) : "";
    const FieldText texts[] = {
        {field::AmtReceived, TrimRight(FromQt(ui_->amtReceived->text()))},
        {field::TransactionFee, TrimRight(FromQt(ui_->fee->text()))},
        {field::PayDate, payDate},
        {field::Feedback, TrimRight(FromQt(ui_->feedback->currentText()))},
        {field::PaymentMethod, TrimRight(FromQt(ui_->method->currentText()))},
    };
    return StoreTemplateTexts(bulk_.Item(), texts);
}

}  // namespace gb::app::ui
