#include "app/core/combos/ComboLists.h"

#include <algorithm>

#include "app/core/AppSettings.h"
#include "app/core/MachineProfile.h"
#include "app/core/UiStrings.h"
#include "itemdb/FieldId.h"
#include "itemdb/TextHelpers.h"
#include "platform/Locale.h"

namespace field = gb::itemdb::field;

namespace gb::app {

const std::vector<ComboField>& ComboFields() {
    static const std::vector<ComboField> fields{
        {field::ItemCost, true},      {field::PaymentMethod, false},  {field::AuctionType, false},
        {field::SHCharge, true},      {field::ShippingMethod, false}, {field::ShipCost, true},
        {field::InsuranceCost, true}, {field::Weight, false},         {field::InsertionFee, true},
        {field::FinalFee, true},      {field::OtherFees, true},       {field::OtherCharges, true},
        {field::Feedback, false},     {field::ReserveAmt, true},
    };
    return fields;
}

std::string JoinComboValues(const std::vector<std::string>& values) {
    std::string text;
    for (std::string value : values) {
        std::erase(value, ';');
        text += value;
        text += ';';
    }
    return text;
}

std::vector<std::string> ComboListStore::Load(const ComboField& combo) {
    std::vector<std::string> values = profile_.GetComboValues(combo.nameId);
    known_[combo.nameId] = JoinComboValues(values);
    return values;
}

bool ComboListStore::Save(const ComboField& combo, const std::vector<std::string>& values) {
    const auto known = known_.find(combo.nameId);
    const std::string text = JoinComboValues(values);
    if (known == known_.end() || known->second == text) {
        return true;
    }
    const std::string name = gb::app::UiText(combo.nameId);
    const bool written = text.empty() ? profile_.WriteValue(gb::app::section::Combos, name, 0)
                                      : profile_.WriteString(gb::app::section::Combos, name, text);
    if (written) {
        known->second = text;
    }
    return written;
}

ListValueCheck CheckListValue(std::string_view text, bool monetary) {
    if (!monetary) {
        return {text.empty() ? std::nullopt : std::optional<std::string>(text), false};
    }
    const gb::Money amount = gb::ParseCurrency(text, gb::kLocaleUserDefault);
    std::string formatted;
    if (!amount.IsValid() || !gb::itemdb::FormatCurrencyOrUnknown(formatted, amount)) {
        return {std::nullopt, true};
    }
    return {formatted, false};
}

}  // namespace gb::app
