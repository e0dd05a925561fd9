#include "app/core/sheet/SheetTexts.h"

#include "app/core/UiStrings.h"
#include "itemdb/FieldId.h"
#include "platform/Locale.h"

namespace gb::app {

using itemdb::CAucItem;

std::string EditText(const CAucItem& item, int fieldId) {
    std::string text;
    if (item.GetFieldText(fieldId, text)) {
        return text;
    }
    const std::optional<Money> amount = item.GetMoneyValue(fieldId);
    const std::optional<DateTime> date = item.GetDateValue(fieldId);
    if ((amount && amount->IsNull()) || (date && date->IsNull())) {
        return {};
    }
    return text;
}

std::string InvalidFieldMessage(int fieldId) {
    return "Invalid " + gb::app::UiText(fieldId);
}

std::string ZeroCurrencyText() {
    return FormatCurrencyNumber("0", kLocaleUserDefault).value_or("0.00");
}

namespace {

// Stores an edited text; a text the field shows already changes nothing.
bool StoreEdited(CAucItem& item, const FieldEdit& edit) {
    return edit.text == EditText(item, edit.fieldId) || item.SetFieldText(edit.fieldId, edit.text);
}

}  // namespace

std::optional<std::string> StoreInOrder(CAucItem& item, std::span<const FieldEdit> edits) {
    for (const FieldEdit& edit : edits) {
        if (!StoreEdited(item, edit)) {
            return InvalidFieldMessage(edit.fieldId);
        }
    }
    return std::nullopt;
}

void StoreAll(CAucItem& item, std::span<const FieldEdit> edits) {
    for (const FieldEdit& edit : edits) {
        StoreEdited(item, edit);
    }
}

std::optional<CAucItem> WithEdit(const CAucItem& item, const FieldEdit& edit) {
    CAucItem edited = item;
    if (!StoreEdited(edited, edit)) {
        return std::nullopt;
    }
    return edited;
}

std::optional<std::string> LiveInvoiceAmt(const CAucItem& item, int fieldId,
                                          std::string_view text) {
    const std::optional<CAucItem> edited = WithEdit(item, {fieldId, text});
    if (!edited) {
        return std::nullopt;
    }
    return EditText(*edited, itemdb::field::InvoiceAmt);
}

}  // namespace gb::app
