#include "app/core/bulk/BulkTemplate.h"

#include <algorithm>
#include <array>
#include <string>

#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"

namespace gb::app {

namespace field = gb::itemdb::field;
using gb::itemdb::CAucItem;

namespace {

// How a field's template value is read and applied.
enum class FieldKind {
    Text,        // applied when not empty
    Money,       // applied when not null
    Date,        // applied when not null
    Rating,      // applied unless "-100"
    Status,      // applied when the status box was ticked
    Categories,  // applied when the categories box was ticked
    Itemized,    // itemized when its half's box was ticked, else as Money
};

struct BulkField {
    int id;
    FieldKind kind;
};

// The fields in the order a bulk update applies them (see ApplyOrder).
constexpr std::array<BulkField, 29> kFields{{
    {field::Status, FieldKind::Status},
    {field::ItemCost, FieldKind::Money},
    {field::FinalFee, FieldKind::Money},
    {field::InsertionFee, FieldKind::Money},
    {field::ShipCost, FieldKind::Money},
    {field::ShipDate, FieldKind::Date},
    {field::SHCharge, FieldKind::Money},
    {field::InsuranceCost, FieldKind::Money},
    {field::Weight, FieldKind::Text},
    {field::ShippingMethod, FieldKind::Text},
    {field::ItemNote, FieldKind::Text},
    {field::InvoiceNote, FieldKind::Text},
    {field::PayNote, FieldKind::Text},
    {field::FeeNote, FieldKind::Text},
    {field::ShippingNote, FieldKind::Text},
    {field::Feedback, FieldKind::Text},
    {field::ReserveAmt, FieldKind::Money},
    {field::TransactionFee, FieldKind::Money},
    {field::PaymentMethod, FieldKind::Text},
    {field::AuctionType, FieldKind::Text},
    {field::PayDate, FieldKind::Date},
    {field::AmtReceived, FieldKind::Money},
    {field::BuyerId, FieldKind::Text},
    {field::Rating, FieldKind::Rating},
    {field::ShippingAddress, FieldKind::Text},
    {field::OtherFees, FieldKind::Itemized},
    {field::OtherCharges, FieldKind::Itemized},
    {field::ChargeNote, FieldKind::Text},
    {gb::itemdb::folder::ByCategory, FieldKind::Categories},
}};

constexpr std::array<int, kFields.size()> kOrder = [] {
    std::array<int, kFields.size()> order{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        order[i] = kFields[i].id;
    }
    return order;
}();

const BulkField* FindField(int fieldId) {
    const auto found = std::ranges::find(kFields, fieldId, &BulkField::id);
    return found == kFields.end() ? nullptr : &*found;
}

bool ApplyText(const CAucItem& from, CAucItem& to, int fieldId) {
    std::string text;
    from.GetFieldText(fieldId, text);
    return text.empty() || to.SetFieldText(fieldId, text);
}

bool ApplyMoney(const CAucItem& from, CAucItem& to, int fieldId) {
    const std::optional<gb::Money> value = from.GetMoneyValue(fieldId);
    return !value || value->IsNull() || to.SetMoneyValue(fieldId, *value);
}

bool ApplyDate(const CAucItem& from, CAucItem& to, int fieldId) {
    const std::optional<gb::DateTime> value = from.GetDateValue(fieldId);
    if (!value || value->IsNull()) {
        return true;
    }
    std::string text;
    from.GetFieldText(fieldId, text);
    return to.SetFieldText(fieldId, text);
}

}  // namespace

std::span<const int> BulkTemplate::ApplyOrder() {
    return kOrder;
}

BulkTemplate::BulkTemplate() {
    for (const BulkField& f : kFields) {
        if (f.kind == FieldKind::Money || f.kind == FieldKind::Itemized) {
            item_.SetMoneyValue(f.id, gb::Money::Null());
        }
    }
    // The bids are no bulk field but stay blank like every other amount.
    item_.SetMoneyValue(field::MinBid, gb::Money::Null());
    item_.SetMoneyValue(field::MaxBid, gb::Money::Null());
    item_.SetRating(kNoRatingChange);
}

bool BulkTemplate::ApplyField(CAucItem& item, int fieldId, const BulkContext& context) const {
    const BulkField* f = FindField(fieldId);
    if (f == nullptr) {
        return false;
    }
    switch (f->kind) {
        case FieldKind::Text:
            return ApplyText(item_, item, fieldId);
        case FieldKind::Money:
            return ApplyMoney(item_, item, fieldId);
        case FieldKind::Date:
            return ApplyDate(item_, item, fieldId);
        case FieldKind::Rating: {
            std::string rating;
            item_.GetRating(rating);
            return rating == kNoRatingChange || item.SetRating(rating);
        }
        case FieldKind::Status:
            return !flags_.updateStatus || item.SetStatus(item_.GetStatus(), false);
        case FieldKind::Categories:
            return !flags_.updateCategories || ApplyCategories(item, context);
        case FieldKind::Itemized:
            return ApplyItemized(item, fieldId, context);
    }
    return false;
}

bool BulkTemplate::ApplyCategories(CAucItem& item, const BulkContext& context) const {
    // Adding "No Category" removes every category.
    item.AddCategory(gb::itemdb::folder::NoCategory);
    for (const std::int32_t category : context.categoryFolders) {
        if (category != gb::itemdb::folder::NoCategory && item_.HasCategory(category)) {
            item.AddCategory(category);
        }
    }
    return true;
}

bool BulkTemplate::ApplyItemized(CAucItem& item, int fieldId, const BulkContext& context) const {
    const bool charges = fieldId == field::OtherCharges;
    if (!(charges ? flags_.itemizeCharges : flags_.itemizeFees)) {
        return ApplyMoney(item_, item, fieldId);
    }
    if (!(charges ? flags_.addToCharges : flags_.addToFees)) {
        charges ? item.ClearItemizedCharges() : item.ClearItemizedFees();
    }
    for (int entry = 0; entry < gb::itemdb::CFeeSchedule::kEntryCount; ++entry) {
        if (charges ? item_.HasItemizedCharge(entry) : item_.HasItemizedFee(entry)) {
            charges ? item.AddItemizedCharge(entry) : item.AddItemizedFee(entry);
        }
    }
    context.fees.SetItem(item);
    std::string text;
    gb::Money total;
    if (charges ? context.fees.CalcCharges(text, &total) : context.fees.CalcFees(text, &total)) {
        item.SetMoneyValue(fieldId, total);
    }
    return true;
}

}  // namespace gb::app
