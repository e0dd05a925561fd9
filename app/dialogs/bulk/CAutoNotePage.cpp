#include "app/dialogs/bulk/CAutoNotePage.h"

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/TemplateTexts.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "itemdb/FieldId.h"
#include "ui_CAutoNotePage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
namespace field = gb::itemdb::field;

CAutoNotePage::CAutoNotePage(BulkTemplate& bulk, const BulkSheetSources& sources,
                             gb::widgets::ModalRunner& runner)
    : BulkPage(bulk, sources, runner) {}

CAutoNotePage::~CAutoNotePage() = default;

std::optional<std::string> CAutoNotePage::Store() {
    const auto text = [](const QLineEdit* edit) { return TrimRight(FromQt(edit->text())); };
    const FieldText texts[] = {
        {field::InvoiceNote, text(ui_->invoiceNote)}, {field::FeeNote, text(ui_->feeNote)},
        {field::ChargeNote, text(ui_->chargeNote)},   {field::ItemNote, text(ui_->itemNote)},
        {field::PayNote, text(ui_->payNote)},         {field::ShippingNote, text(ui_->shipNote)},
    };
    return StoreTemplateTexts(bulk_.Item(), texts);
}

}  // namespace gb::app::ui
