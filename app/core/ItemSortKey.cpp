#include "app/core/ItemSortKey.h"

#include <algorithm>
#include <array>
#include <optional>

#include "app/core/ItemCells.h"
#include "itemdb/AucItem.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "platform/Cp1252.h"

using namespace gb::itemdb;

namespace gb::app {

namespace {

bool IsDateField(int fieldId) {
    static constexpr std::array kDates{field::StartDate, field::EndDate,  field::Updated,
                                       field::PayDate,   field::ShipDate, field::EndTime};
    return std::find(kDates.begin(), kDates.end(), fieldId) != kDates.end();
}

bool IsMoneyField(int fieldId) {
    static constexpr std::array kAmounts{
        field::MinBid,        field::MaxBid,      field::InsertionFee,   field::FinalFee,
        field::InsuranceCost, field::AmtReceived, field::SHCharge,       field::ShipCost,
        field::InvoiceAmt,    field::ItemCost,    field::OtherFees,      field::TotalFees,
        field::OtherCharges,  field::ReserveAmt,  field::TransactionFee,
    };
    return std::find(kAmounts.begin(), kAmounts.end(), fieldId) != kAmounts.end();
}

// The count or code a numeric field sorts by; nothing for other fields.
std::optional<std::int32_t> IntegerOf(const CAucItem& item, int fieldId) {
    std::string ignored;
    std::int32_t value = 0;
    switch (fieldId) {
        case field::Rating:
            item.GetRating(ignored, &value);
            return value;
        case field::DaysToPay:
            item.GetDaysToPay(ignored, &value);
            return value;
        case field::DaysToShip:
            item.GetDaysToShip(ignored, &value);
            return value;
        case field::Status:
            return item.GetStatus();
        case field::Icon:
            return item.GetDisplayState();
        default:
            return std::nullopt;
    }
}

}  // namespace

ItemSortKey ItemSortKey::Number(gb::ValueStatus presence, long double value) {
    ItemSortKey key;
    key.kind_ = Kind::Number;
    key.presence_ = presence;
    key.number_ = presence == gb::ValueStatus::Valid ? value : 0.0L;
    return key;
}

ItemSortKey ItemSortKey::Text(std::string text) {
    ItemSortKey key;
    key.kind_ = Kind::Text;
    key.presence_ = gb::ValueStatus::Valid;
    for (char& c : text) {
        c = gb::cp1252::ToLower(c);
    }
    key.text_ = std::move(text);
    return key;
}

ItemSortKey ItemSortKey::Of(const CAucItem& item, int sortField, CFeeSchedule& fees,
                            const FolderNameLookup* folders) {
    if (sortField < field::First) {
        const int entry = sortField - ColumnSet::kFieldIdOffset;
        if (!ColumnSet::IsFeeEntry(entry) || !ShowsFeeEntry(item, fees, entry)) {
            return Number(gb::ValueStatus::Null, 0.0L);
        }
        fees.SetCurrent(entry);
        fees.SetItem(item);
        std::string ignored;
        gb::Money amount = gb::Money::Null();
        if (!fees.Calculate(ignored, &amount)) {
            return Number(gb::ValueStatus::Null, 0.0L);
        }
        return Number(amount.Status(), static_cast<long double>(amount.Units()));
    }
    if (IsDateField(sortField)) {
        const gb::DateTime date = item.GetDateValue(sortField).value_or(gb::DateTime::Null());
        return Number(date.Status(), date.Days());
    }
    if (IsMoneyField(sortField)) {
        const gb::Money amount = item.GetMoneyValue(sortField).value_or(gb::Money::Null());
        return Number(amount.Status(), static_cast<long double>(amount.Units()));
    }
    if (const auto integer = IntegerOf(item, sortField)) {
        return Number(gb::ValueStatus::Valid, *integer);
    }
    std::string text;
    item.GetFieldText(sortField, text, folders);
    return Text(std::move(text));
}

int ItemSortKey::Compare(const ItemSortKey& left, const ItemSortKey& right) {
    if (left.kind_ == Kind::Text || right.kind_ == Kind::Text) {
        // The texts are kept in lower case, so their bytes compare as the
        // texts do ignoring case.
        const int order = left.text_.compare(right.text_);
        return (order > 0) - (order < 0);
    }
    if (!left.HasValue() || !right.HasValue()) {
        return static_cast<int>(left.HasValue()) - static_cast<int>(right.HasValue());
    }
    return (left.number_ > right.number_) - (left.number_ < right.number_);
}

int CompareForDirection(const ItemSortKey& left, const ItemSortKey& right, int direction) {
    const int order = ItemSortKey::Compare(left, right);
    return direction == 0 ? -order : order;
}

}  // namespace gb::app
