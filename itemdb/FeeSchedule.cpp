#include "itemdb/FeeSchedule.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "itemdb/ColumnSet.h"
#include "itemdb/FieldId.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/TextHelpers.h"
#include "platform/ArchiveFile.h"
#include "platform/Cp1252.h"
#include "platform/Locale.h"
#include "platform/LocaleData.h"
#include "platform/TextTokens.h"

namespace gb::itemdb {

namespace {

// The money fields an entry may sum.
constexpr int kSummableFields[] = {
    field::MinBid,        field::MaxBid,         field::InsertionFee, field::FinalFee,
    field::InsuranceCost, field::AmtReceived,    field::SHCharge,     field::ShipCost,
    field::InvoiceAmt,    field::ItemCost,       field::OtherFees,    field::OtherCharges,
    field::ReserveAmt,    field::TransactionFee,
};

// The item's value of the field a code character names; nothing when an entry
// may not sum that field.
std::optional<gb::Money> FieldValue(const CAucItem& item, char code) {
    const int fieldId = ColumnSet::FieldIdOf(static_cast<unsigned char>(code) - '!');
    if (std::find(std::begin(kSummableFields), std::end(kSummableFields), fieldId) ==
        std::end(kSummableFields)) {
        return std::nullopt;
    }
    return item.GetMoneyValue(fieldId);
}

// Sum x factor, the factor taken in ten-thousandths rounded to the nearest, a
// half away from zero (so that a rebate of -0.05 takes 5%, not 4.99%); the
// division drops the remainder. A product too large for an amount is invalid
// even when the quotient would fit.
gb::Money ApplyFactor(const gb::Money& sum, float factor) {
    const double multiplier = std::round(static_cast<double>(factor) * 10000.0);
    // A factor read from a file may be anything; one that no whole number holds
    // overflows the amount.
    if (!(std::abs(multiplier) < 1e18)) {
        return gb::Money::Invalid();
    }
    return (sum * static_cast<std::int64_t>(multiplier)).MulDiv(1, 10000);
}

std::string_view LocaleCurrencySymbol() {
    const gb::LocaleData* locale = gb::LocaleData::Find(gb::ResolveLocale(gb::kLocaleUserDefault));
    return locale != nullptr ? locale->currencySymbol : std::string_view();
}

}  // namespace

CFeeSchedule::CFeeSchedule() {
    for (int i = 0; i < kEntryCount; ++i) {
        entries_[i] = CFeeEntry(i);
        displayOrder_[i] = i;
    }
}

CFeeSchedule::CFeeSchedule(const CFeeSchedule& other) : CFeeSchedule() {
    *this = other;
}

CFeeSchedule& CFeeSchedule::operator=(const CFeeSchedule& other) {
    // The display order stays as this schedule last sorted it.
    path_ = other.path_;
    entries_ = other.entries_;
    item_ = other.item_;
    current_ = other.current_;
    return *this;
}

bool CFeeSchedule::SetCurrent(int entry) {
    if (!IsEntryNumber(entry)) {
        return false;
    }
    current_ = entry;
    return true;
}

bool CFeeSchedule::SortByOrder() {
    for (int i = 0; i < kEntryCount; ++i) {
        displayOrder_[i] = i;
    }
    std::stable_sort(displayOrder_.begin(), displayOrder_.end(), [this](int a, int b) {
        return entries_[a].GetOrder() < entries_[b].GetOrder();
    });
    return true;
}

bool CFeeSchedule::MoveFirst(std::int32_t typeMask) {
    SortByOrder();
    return MoveFrom(0, typeMask);
}

bool CFeeSchedule::MoveNext(std::int32_t typeMask) {
    const auto at = std::find(displayOrder_.begin(), displayOrder_.end(), current_);
    return MoveFrom(static_cast<std::size_t>(at - displayOrder_.begin()) + 1, typeMask);
}

bool CFeeSchedule::MoveFrom(std::size_t position, std::int32_t typeMask) {
    for (; position < displayOrder_.size(); ++position) {
        const int entry = displayOrder_[position];
        if ((entries_[entry].GetType() & typeMask) != 0) {
            current_ = entry;
            return true;
        }
    }
    return false;
}

bool CFeeSchedule::GetBaseText(std::string& text, gb::Money* value) const {
    const gb::Money& base = GetEntry().GetBase();
    if (value != nullptr) {
        *value = base;
    }
    return FormatCurrencyOrUnknown(text, base);
}

bool CFeeSchedule::SetName(std::string_view name) {
    Entry().SetName(name);
    return true;
}

bool CFeeSchedule::SetDescription(std::string_view description) {
    Entry().SetDescription(description);
    return true;
}

bool CFeeSchedule::SetCurrencySymbol(std::string_view symbol) {
    Entry().SetCurrencySymbol(symbol);
    return true;
}

bool CFeeSchedule::SetOrder(std::int32_t order) {
    if (!IsEntryNumber(order)) {
        return false;
    }
    Entry().SetOrder(order);
    return true;
}

bool CFeeSchedule::SetBaseText(std::string_view text) {
    const gb::Money base =
        text.empty() ? gb::Money::Null() : gb::ParseCurrency(text, gb::kLocaleUserDefault);
    Entry().SetBase(base);
    return base.Status() != gb::ValueStatus::Invalid;
}

bool CFeeSchedule::IsNameUsed(std::string_view name, std::int32_t type, int skip,
                              int* found) const {
    for (int i = 0; i < kEntryCount; ++i) {
        const CFeeEntry& entry = entries_[i];
        if (i != skip && entry.IsActive() && entry.GetType() == type &&
            gb::cp1252::EqualsNoCase(entry.GetName(), name)) {
            if (found != nullptr) {
                *found = i;
            }
            return true;
        }
    }
    return false;
}

bool CFeeSchedule::GetActiveName(int entry, std::string& name) {
    if (!SetCurrent(entry)) {
        return false;
    }
    if (!IsActive()) {
        name.clear();
        return false;
    }
    name = GetName();
    return true;
}

gb::Money CFeeSchedule::Evaluate() const {
    const CFeeEntry& entry = GetEntry();
    if (!entry.IsActive()) {
        return gb::Money::Invalid();
    }
    gb::Money sum;
    const std::string& codes = entry.GetFieldCodes();
    // Every character after the count is a field, whatever the count says.
    for (std::size_t i = 1; i < codes.size(); ++i) {
        const std::optional<gb::Money> field = FieldValue(item_, codes[i]);
        if (!field || !field->IsValid()) {
            return gb::Money::Invalid();
        }
        sum += *field;
    }
    return ApplyFactor(sum, entry.GetFactor()) + entry.GetBase();
}

bool CFeeSchedule::Calculate(std::string& text, gb::Money* value) const {
    const gb::Money total = Evaluate();
    if (value != nullptr) {
        // The value is what the user sees: the amount rounded to the locale's digits.
        std::string shown;
        *value = FormatCurrencyOrUnknown(shown, total)
                     ? gb::ParseCurrency(shown, gb::kLocaleUserDefault)
                     : total;
    }
    return FormatAmount(text, total);
}

bool CFeeSchedule::CalculateEntry(int entry, std::string& text) {
    if (!SetCurrent(entry)) {
        text = LoadString(string_id::Unknown);
        return false;
    }
    return Calculate(text);
}

bool CFeeSchedule::FormatAmount(std::string& text, const gb::Money& amount) const {
    if (!FormatCurrencyOrUnknown(text, amount)) {
        return false;
    }
    // The symbol goes where the locale puts its own, so that a sign or
    // parentheses in front and a symbol behind the number stay as they are.
    const std::string& symbol = GetCurrencySymbol();
    if (!symbol.empty()) {
        ReplaceToken(text, LocaleCurrencySymbol(), symbol);
    }
    return true;
}

bool CFeeSchedule::CalcCharges(std::string& text, gb::Money* value) {
    return CalcItemized(fee_type::Charge, &CAucItem::HasItemizedCharge, text, value);
}

bool CFeeSchedule::CalcFees(std::string& text, gb::Money* value) {
    return CalcItemized(fee_type::SellerFee, &CAucItem::HasItemizedFee, text, value);
}

bool CFeeSchedule::CalcItemized(std::int32_t typeMask, bool (CAucItem::*itemizes)(int) const,
                                std::string& text, gb::Money* value) {
    gb::Money total;
    for (bool more = MoveFirst(typeMask); more; more = MoveNext(typeMask)) {
        if (!IsActive() || !(item_.*itemizes)(current_)) {
            continue;
        }
        std::string amountText;
        gb::Money amount;
        if (!Calculate(amountText, &amount)) {
            total = gb::Money::Invalid();
            break;
        }
        total += amount;
    }
    if (value != nullptr) {
        *value = total;
    }
    return FormatCurrencyOrUnknown(text, total);
}

bool CFeeSchedule::Load(const std::filesystem::path& path) {
    path_ = path;
    return gb::LoadArchiveFile(path, [this](gb::Archive& ar) { Serialize(ar); });
}

bool CFeeSchedule::Save() {
    return !path_.empty() && gb::SaveArchiveFile(path_, [this](gb::Archive& ar) { Serialize(ar); });
}

void CFeeSchedule::Serialize(gb::Archive& ar) {
    for (CFeeEntry& entry : entries_) {
        entry.Serialize(ar);
    }
}

}  // namespace gb::itemdb
