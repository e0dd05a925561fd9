#include "app/dialogs/bulk/CAutoCostPage.h"

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/TemplateTexts.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "itemdb/FieldId.h"
#include "ui_CAutoCostPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
namespace field = gb::itemdb::field;

CAutoCostPage::CAutoCostPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                             gb::widgets::ModalRunner& runner)
    : BulkPage(bulk, sources, runner) {
    FillValueCombo(*ui_->itemCost, sources_.lists, field::ItemCost);
    FillValueCombo(*ui_->reserve, sources_.lists, field::ReserveAmt);
    FillValueCombo(*ui_->shCharge, sources_.lists, field::SHCharge);
    FillValueCombo(*ui_->insertionFee, sources_.lists, field::InsertionFee);
    FillValueCombo(*ui_->finalFee, sources_.lists, field::FinalFee);
    FillValueCombo(*ui_->auctionType, sources_.lists, field::AuctionType);
}

CAutoCostPage::~CAutoCostPage() = default;

std::optional<std::string> CAutoCostPage::Store() {
    const auto text = [](const QComboBox* combo) {
        return TrimRight(FromQt(combo->currentText()));
    };
    const FieldText texts[] = {
        {field::ItemCost, text(ui_->itemCost)}, {field::ReserveAmt, text(ui_->reserve)},
        {field::FinalFee, text(ui_->finalFee)}, {field::InsertionFee, text(ui_->insertionFee)},
        {field::SHCharge, text(ui_->shCharge)}, {field::AuctionType, text(ui_->auctionType)},
    };
    return StoreTemplateTexts(bulk_.Item(), texts);
}

}  // namespace gb::app::ui
