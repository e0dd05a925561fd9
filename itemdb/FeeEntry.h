#pragma once
// One calculated field of the fee schedule: a fixed amount, or base + factor
// times the sum of chosen money fields of an item.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Archive.h"
#include "platform/Money.h"

namespace gb::itemdb {

// The kinds of entry, as bits so that walks can ask for several at once.
namespace fee_type {

enum : std::int32_t {
    Charge = 1,          // added to the buyer's invoice
    SellerFee = 2,       // paid by the seller
    TransactionFee = 4,  // charged per payment method
    DisplayOnly = 8,     // shown, never totalled
    Any = 15,
};

}  // namespace fee_type

class CFeeEntry {
public:
    // An unused entry: inactive, display only, listed in its own place.
    explicit CFeeEntry(std::int32_t number = 0) : order_(number) {}

    const std::string& GetName() const { return name_; }
    const std::string& GetDescription() const { return description_; }
    const std::string& GetCurrencySymbol() const { return currencySymbol_; }
    bool IsActive() const { return active_; }
    std::int32_t GetOrder() const { return order_; }
    std::int32_t GetType() const { return type_; }
    const gb::Money& GetBase() const { return base_; }
    float GetFactor() const { return factor_; }
    // '!' plus the number of fields, then '!' plus each field's code.
    const std::string& GetFieldCodes() const { return fieldCodes_; }

    void SetName(std::string_view name) { name_ = name; }
    void SetDescription(std::string_view description) { description_ = description; }
    void SetCurrencySymbol(std::string_view symbol) { currencySymbol_ = symbol; }
    void SetActive(bool active) { active_ = active; }
    void SetOrder(std::int32_t order) { order_ = order; }
    void SetType(std::int32_t type) { type_ = type; }
    void SetBase(const gb::Money& base) { base_ = base; }
    // Keeps five decimals: a positive factor is rounded, a half up (0.1234567
    // becomes 0.12346); a negative one is cut toward zero as written
    // (-0.1234567 becomes -0.12345). A stored factor stores again unchanged.
    void SetFactor(float factor);

    void ClearFields() { fieldCodes_.clear(); }
    // Appends the code of a field (a column-set code, 0-81) unless present.
    void AddField(int field);
    bool HasField(int field) const;
    int GetFieldCount() const;

    // The file record. Reading maps an unknown type to display only; a record
    // read in part leaves the entry unchanged.
    void Serialize(gb::Archive& ar);

    bool operator==(const CFeeEntry&) const = default;

private:
    std::string name_ = "Available";
    std::string description_ = "Add your own";
    std::string currencySymbol_ = "$";
    bool active_ = false;
    std::int32_t order_;
    std::int32_t type_ = fee_type::DisplayOnly;
    gb::Money base_;
    float factor_ = 0.0f;
    std::string fieldCodes_;
};

}  // namespace gb::itemdb
