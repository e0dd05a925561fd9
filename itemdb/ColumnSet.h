#pragma once
// A list of columns or fields written as a text: the first character is '!'
// plus the number of entries, each further character '!' plus a code. Codes
// 0-31 are fee-schedule entries, codes 32-81 the item fields with field ID
// 468 + code (81 is the icon column). Folders, exports and fee-schedule
// entries list their fields this way, and an item its itemized charges and fees.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gb::itemdb {

// String IDs of the standard column sets.
enum class StandardColumnSet : int {
    MoneyColumns = 496,                       // 14 money fields
    MoneyColumnsWithoutTransactionFee = 497,  // the same 13 without 542 Transaction Fee
    BasicMoneyColumns = 498,                  // 10 money fields
    Default = 499,                            // 500 to 511, a folder's and an export's default
};

class ColumnSet {
public:
    static constexpr int kFirstFeeEntry = 0;
    static constexpr int kLastFeeEntry = 31;
    static constexpr int kFirstFieldCode = 32;
    static constexpr int kLastCode = 81;
    static constexpr int kFieldIdOffset = 468;
    // The most entries a count character can announce.
    static constexpr std::size_t kMaxEntries = 255 - '!';

    ColumnSet() = default;

    // Decodes a column-set text without trusting it: the count is clamped to
    // the characters present, a count character below '!' counts as 0, codes
    // outside 0-81 are skipped, and whatever follows the counted codes is ignored.
    static ColumnSet Parse(std::string_view text);
    static ColumnSet Standard(StandardColumnSet set);

    static bool IsValidCode(int code) { return code >= 0 && code <= kLastCode; }
    static bool IsFeeEntry(int code) { return code >= kFirstFeeEntry && code <= kLastFeeEntry; }
    // The field ID of a field code; 0 for a fee-schedule entry or an invalid code.
    static int FieldIdOf(int code);
    // The code of a field ID; -1 when the ID has none.
    static int CodeOfField(int fieldId);

    const std::vector<int>& Codes() const { return codes_; }
    bool IsEmpty() const { return codes_.empty(); }
    bool Contains(int code) const;

    // Appends a code that is valid and not yet listed; false otherwise or when full.
    bool Add(int code);

    // A code text as stored, trusted as far as it goes: every character after
    // the count is a code, whatever the count says.
    static bool TextHasCode(std::string_view text, int code);
    // Appends a valid code the text does not hold yet (an empty text first
    // becomes "!") and rewrites the count as the number of codes present;
    // false otherwise or when the count character can count no more.
    static bool AppendCode(std::string& text, int code);

    // The encoded text; an empty set gives "!".
    std::string ToText() const;

    bool operator==(const ColumnSet&) const = default;

private:
    std::vector<int> codes_;
};

}  // namespace gb::itemdb
