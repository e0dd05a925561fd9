#pragma once
// The fee schedule: 32 calculated fields that the seller defines once for all
// profiles, kept in "AucField.fee" in the program folder: charges added to a
// buyer's invoice, fees the seller pays, transaction fees per payment method
// and display-only amounts (a price in another currency, say). Column sets and
// an item's itemized charges and fees name the entries by number, 0-31.
//
// The entry operations act on the current entry; the calculations evaluate it
// for the item given to SetItem.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "itemdb/AucItem.h"
#include "itemdb/FeeEntry.h"
#include "platform/Archive.h"
#include "platform/Money.h"

namespace gb::itemdb {

class CFeeSchedule {
public:
    static constexpr int kEntryCount = 32;

    // Every entry unused ("Available", inactive, display only) and listed in
    // its own place; entry 0 current.
    CFeeSchedule();
    // A copy carries the path, the entries, the item and the current entry; the
    // display order is rebuilt by the next MoveFirst (a new copy lists every
    // entry in its own place until then).
    CFeeSchedule(const CFeeSchedule& other);
    CFeeSchedule& operator=(const CFeeSchedule& other);

    bool SetCurrent(int entry);
    int GetCurrent() const { return current_; }
    // Walk the entries in display order, stopping at those whose type shares a
    // bit with `typeMask` (fee_type::Any for all). MoveFirst sorts first;
    // MoveNext goes on in the order last sorted. When no entry is left the
    // current entry stays and the result is false.
    bool MoveFirst(std::int32_t typeMask);
    bool MoveNext(std::int32_t typeMask);
    // Orders the entries by display order, equal orders by entry number.
    bool SortByOrder();

    // The current entry.
    const CFeeEntry& GetEntry() const { return entries_[current_]; }
    const std::string& GetName() const { return GetEntry().GetName(); }
    const std::string& GetDescription() const { return GetEntry().GetDescription(); }
    const std::string& GetCurrencySymbol() const { return GetEntry().GetCurrencySymbol(); }
    bool IsActive() const { return GetEntry().IsActive(); }
    std::int32_t GetType() const { return GetEntry().GetType(); }
    float GetFactor() const { return GetEntry().GetFactor(); }
    // The base in the user's currency format (or "Unknown"); false unless valid.
    bool GetBaseText(std::string& text, gb::Money* value = nullptr) const;
    bool HasField(int field) const { return GetEntry().HasField(field); }
    int GetFieldCount() const { return GetEntry().GetFieldCount(); }

    bool SetName(std::string_view name);
    bool SetDescription(std::string_view description);
    bool SetCurrencySymbol(std::string_view symbol);
    void SetActive(bool active) { Entry().SetActive(active); }
    // Any value is stored; the file reading maps unknown types to display only.
    void SetType(std::int32_t type) { Entry().SetType(type); }
    // False outside 0-31.
    bool SetOrder(std::int32_t order);
    void SetFactor(float factor) { Entry().SetFactor(factor); }
    // An empty text makes the base null; other text is read as an amount in the
    // user's locale, and one that does not read stores an invalid base and
    // gives false.
    bool SetBaseText(std::string_view text);
    void ClearFields() { Entry().ClearFields(); }
    void AddField(int field) { Entry().AddField(field); }

    // Whether an active entry other than `skip` of exactly this type has this
    // name (ignoring case); `found` receives its number. The current entry
    // stays: an editor checks the name of the entry it is about to write.
    bool IsNameUsed(std::string_view name, std::int32_t type, int skip, int* found = nullptr) const;
    // Makes the entry current and gives its name when it is active; an inactive
    // entry gives an empty name and false.
    bool GetActiveName(int entry, std::string& name);

    // The item the calculations evaluate.
    void SetItem(const CAucItem& item) { item_ = item; }

    // The current entry's amount for the item: base + factor x the sum of its
    // fields. The text carries the entry's currency symbol; the value is the
    // amount rounded as the user's locale shows it. "Unknown" and false for an
    // inactive entry, a field that is null or invalid, an unknown field code or
    // an overflow.
    bool Calculate(std::string& text, gb::Money* value = nullptr) const;
    // Makes the entry current and calculates it; "Unknown" and false outside 0-31.
    bool CalculateEntry(int entry, std::string& text);
    // An amount in the user's currency format with the current entry's currency
    // symbol in place of the locale's; "Unknown" and false when not valid.
    bool FormatAmount(std::string& text, const gb::Money& amount) const;
    // Totals of the active charges (fees) that the item itemizes, in the user's
    // currency format without an entry's symbol; false when one of them cannot
    // be calculated.
    bool CalcCharges(std::string& text, gb::Money* value = nullptr);
    bool CalcFees(std::string& text, gb::Money* value = nullptr);

    // Stores the path and reads the schedule. False when the file cannot be read
    // or is short or malformed; the entries read completely keep their new
    // values and the others what they held.
    bool Load(const std::filesystem::path& path);
    // Writes the schedule to the stored path, replacing the old file only when
    // the whole write succeeded. False for an empty path or a failed write.
    bool Save();
    const std::filesystem::path& GetPath() const { return path_; }

    // Any entry, whatever the current one.
    const CFeeEntry& GetEntry(int entry) const { return entries_.at(entry); }

    // The file form: the 32 entry records in entry order, nothing else.
    void Serialize(gb::Archive& ar);

private:
    CFeeEntry& Entry() { return entries_[current_]; }
    static bool IsEntryNumber(int entry) { return entry >= 0 && entry < kEntryCount; }
    // The next entry at or after `position` in display order whose type
    // matches; it becomes current.
    bool MoveFrom(std::size_t position, std::int32_t typeMask);
    // The current entry's amount before rounding.
    gb::Money Evaluate() const;
    bool CalcItemized(std::int32_t typeMask, bool (CAucItem::*itemizes)(int) const,
                      std::string& text, gb::Money* value);

    std::filesystem::path path_;
    std::array<CFeeEntry, kEntryCount> entries_;
    std::array<int, kEntryCount> displayOrder_{};  // entry numbers as last sorted
    CAucItem item_;
    int current_ = 0;
};

}  // namespace gb::itemdb
