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
    FillList(*ui_->itemCost, field::ItemCost);
    FillList(*ui_->reserve, field::ReserveAmt);
    FillList(*ui_->shCharge, field::SHCharge);
    FillList(*ui_->insertionFee, field::InsertionFee);
    FillList(*ui_->finalFee, field::FinalFee);
    FillList(*ui_->auctionType, field::AuctionType);
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
