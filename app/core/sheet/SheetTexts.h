#pragma once
// How the item sheet's pages show and store the item's fields as text: money
// and dates as the item's getters format them, an empty control for a null
// value, and the message "Invalid " plus the field's name for a text the
// item's setter refuses.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "itemdb/AucItem.h"

namespace gb::app {

// The text a control shows for a field; empty for a null amount or date.
std::string EditText(const itemdb::CAucItem& item, int fieldId);

// "Invalid " followed by the name of field `fieldId`.
std::string InvalidFieldMessage(int fieldId);

// The currency text of zero in the user's format ("$0.00").
std::string ZeroCurrencyText();

// One control's text and the field it is stored into.
struct FieldEdit {
    int fieldId;
    std::string_view text;
};

// Stores the texts in order, stopping at the first the item refuses; gives
// that field's message. Fields stored before it stay stored. A text that is
// what the control was given (EditText) is not stored: an untouched control
// keeps the stored value, an amount with more decimals than it shows, say.
std::optional<std::string> StoreInOrder(itemdb::CAucItem& item, std::span<const FieldEdit> edits);

// Stores the texts in order whatever their results, the untouched ones left
// out as above.
void StoreAll(itemdb::CAucItem& item, std::span<const FieldEdit> edits);

// The item as it would be with `edit` stored by the rule above; nothing when
// the text does not parse. The pages' live figures (the Invoice Amt as S&H
// Charge or Other Charges is typed, Days to Pay as the pay date is picked,
// the payment method's fee) are read from it, while the sheet's item changes
// only when the user leaves the page: a text typed back to what the control
// showed then leaves the field exactly as it was.
std::optional<itemdb::CAucItem> WithEdit(const itemdb::CAucItem& item, const FieldEdit& edit);

// The Invoice Amt text with `text` typed into a money field; nothing when the
// text does not parse. The live total of the S&H Charge and Other Charges
// boxes.
std::optional<std::string> LiveInvoiceAmt(const itemdb::CAucItem& item, int fieldId,
                                          std::string_view text);

}  // namespace gb::app
