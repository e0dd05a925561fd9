#include "app/dialogs/sheet/CInvShipPage.h"

#include <QtCore/QSignalBlocker>

#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "itemdb/FieldId.h"
#include "ui_CInvShipPage.h"

namespace gb::app::ui {

namespace field = itemdb::field;

CInvShipPage::CInvShipPage(CInvSheet& sheet) : sheet_(sheet), ui_(new Ui::CInvShipPage) {
    ui_->setupUi(this);
    LimitTyping(*ui_->address, 200);
    LimitTyping(*ui_->shippingNote, 200);
    const std::pair<FieldValueCombo*, int> combos[] = {{ui_->shippingMethod, field::ShippingMethod},
                                                       {ui_->shipCost, field::ShipCost},
                                                       {ui_->insuranceCost, field::InsuranceCost},
                                                       {ui_->weight, field::Weight}};
    for (const auto& [combo, fieldId] : combos) {
        LimitTyping(*combo, 20);
        combo->SetValueSource(sheet_.ValuesOf(fieldId));
    }
    connect(ui_->shipCost, &QComboBox::editTextChanged, this, &CInvShipPage::ShipCostEdited);
}

CInvShipPage::~CInvShipPage() = default;

void CInvShipPage::Load() {
    const ShipPageTexts texts = ShipPageTexts::Read(sheet_.Item());
    const QSignalBlocker blocker(ui_->shipCost);
    SetText(*ui_->address, texts.address);
    SetText(*ui_->shippingMethod, texts.shippingMethod);
    SetText(*ui_->shipCost, texts.shipCost);
    SetText(*ui_->insuranceCost, texts.insuranceCost);
    SetText(*ui_->weight, texts.weight);
    ui_->shipDate->SetDate(ToQDate(texts.shipDate));
    SetText(*ui_->shippingNote, texts.shippingNote);
}

ShipPageTexts CInvShipPage::Texts() const {
    return {Text(*ui_->address),       Text(*ui_->shippingMethod), Text(*ui_->shipCost),
            Text(*ui_->insuranceCost), Text(*ui_->weight),         FromQDate(ui_->shipDate->Date()),
            Text(*ui_->shippingNote)};
}

void CInvShipPage::ShipCostEdited() {
    ShipPageTexts texts = Texts();
    texts.ShipCostEntered();
    ui_->shipDate->SetDate(ToQDate(texts.shipDate));
}

std::optional<std::string> CInvShipPage::Store() {
    return Texts().Store(sheet_.Item());
}

}  // namespace gb::app::ui
