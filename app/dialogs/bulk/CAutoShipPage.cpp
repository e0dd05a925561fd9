#include "app/dialogs/bulk/CAutoShipPage.h"

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/TemplateTexts.h"
#include "app/core/sheet/MultiLineText.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "app/dialogs/common/PickerText.h"
#include "itemdb/FieldId.h"
#include "ui_CAutoShipPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
namespace field = gb::itemdb::field;

CAutoShipPage::CAutoShipPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                             gb::widgets::ModalRunner& runner)
    : BulkPage(bulk, sources, runner) {
    FillList(*ui_->shipCost, field::ShipCost);
    FillList(*ui_->weight, field::Weight);
    FillList(*ui_->insurance, field::InsuranceCost);
    FillList(*ui_->method, field::ShippingMethod);
    LimitTyping(*ui_->address, 200);
    ui_->shipDate->setDate(QDate::currentDate());
    ui_->shipDate->setEnabled(false);
    connect(ui_->shipDateSet, &QCheckBox::toggled, ui_->shipDate, &QWidget::setEnabled);
}

CAutoShipPage::~CAutoShipPage() = default;

std::optional<std::string> CAutoShipPage::Store() {
    const auto text = [](const QComboBox* combo) {
        return TrimRight(FromQt(combo->currentText()));
    };
    bulk_.Item().SetShipDate(ui_->shipDateSet->isChecked() ? DateOf(*ui_->shipDate) : "");
    std::vector<FieldText> texts{{field::BuyerId, FromQt(ui_->buyerId->text().trimmed())}};
    const std::string rating = FromQt(ui_->rating->text());
    if (!rating.empty()) {
        texts.emplace_back(field::Rating, rating);
    }
    texts.insert(texts.end(),
                 {{field::ShippingAddress,
                   LinesForStoring(TrimRight(FromQt(ui_->address->toPlainText())), "")},
                  {field::InsuranceCost, text(ui_->insurance)},
                  {field::ShipCost, text(ui_->shipCost)},
                  {field::ShippingMethod, text(ui_->method)},
                  {field::Weight, text(ui_->weight)}});
    return StoreTemplateTexts(bulk_.Item(), texts);
}

}  // namespace gb::app::ui
