#pragma once
// Money totals of a set of items: twelve summed money fields and a count,
// kept separately for all items, for the successful ones (CAucItem::IsSold)
// and for the others. The item list keeps one for the items on display; the
// list view's summary and total row and the report's running totals read it.
// The getters report the class chosen by the selector, in the same form as the
// item's own money getters.

#include <array>
#include <cstdint>
#include <string>

#include "itemdb/FieldId.h"
#include "platform/Money.h"

namespace gb::itemdb {

class CAucItem;

class CItemTotals {
    // The summed fields, in the order of the sums. The reserve is not summed.
    static constexpr std::array<int, 12> kSummedFields = {
        field::ItemCost,     field::FinalFee,       field::InsertionFee,  field::OtherFees,
        field::OtherCharges, field::TransactionFee, field::InsuranceCost, field::MaxBid,
        field::AmtReceived,  field::ShipCost,       field::SHCharge,      field::MinBid,
    };

public:
    // Which class the getters report; any other selector reports all items.
    enum Selection : std::int32_t {
        All = 1,
        Successful = 2,
        Unsuccessful = 4,
    };

    // Every total a valid 0, both counts 0, the selector All.
    CItemTotals() = default;
    // Every total a valid 0 and both counts 0; the selector is kept.
    void Reset();

    std::int32_t GetSelector() const { return selector_; }
    void SetSelector(std::int32_t selector) { selector_ = selector; }

    // What one item adds to the totals: its summed fields, a null or invalid
    // value counting as 0, and whether it is successful. The item list keeps
    // one beside each item, so that the totals of a large folder are added up
    // without reading every item again.
    struct Share {
        std::array<std::int64_t, kSummedFields.size()> units{};
        bool successful = false;

        bool operator==(const Share&) const = default;
    };
    static Share ShareOf(const CAucItem& item);

    // Adds the item to the all totals and to those of its class, and counts it.
    void AddItem(const CAucItem& item) { AddShare(ShareOf(item)); }
    void AddShare(const Share& share) { Count(share, false); }
    // Takes back what AddItem added.
    void RemoveItem(const CAucItem& item) { RemoveShare(ShareOf(item)); }
    void RemoveShare(const Share& share) { Count(share, true); }
    // Adds (or subtracts) the item's twelve summed fields to the totals of one
    // class, a null or invalid value counting as 0; does not count.
    void Accumulate(const CAucItem& item, std::int32_t selection, bool subtract);

    // Totals of the selected class. Each fills the text in the user's currency
    // format and optionally the value, and gives false when the total is not
    // valid (an overflow).
    bool GetItemCost(std::string& text, gb::Money* value = nullptr) const;
    bool GetOtherCharges(std::string& text, gb::Money* value = nullptr) const;
    bool GetOtherFees(std::string& text, gb::Money* value = nullptr) const;
    bool GetTransactionFee(std::string& text, gb::Money* value = nullptr) const;
    bool GetMaxBid(std::string& text, gb::Money* value = nullptr) const;
    bool GetMinBid(std::string& text, gb::Money* value = nullptr) const;
    bool GetFinalFee(std::string& text, gb::Money* value = nullptr) const;
    bool GetInsertionFee(std::string& text, gb::Money* value = nullptr) const;
    bool GetInsuranceCost(std::string& text, gb::Money* value = nullptr) const;
    bool GetAmtReceived(std::string& text, gb::Money* value = nullptr) const;
    bool GetShipCost(std::string& text, gb::Money* value = nullptr) const;
    bool GetSHCharge(std::string& text, gb::Money* value = nullptr) const;
    // The computed columns of the totals: max bid + S&H charge + other
    // charges, and insertion + final + other fees + transaction fee.
    bool GetInvoiceAmt(std::string& text, gb::Money* value = nullptr) const;
    bool GetTotalFees(std::string& text, gb::Money* value = nullptr) const;

    // The number of items of the selected class; All gives both classes.
    std::int32_t GetCount() const;
    // The count as "%d".
    std::string GetCountText() const;

    // The total of a list column: for the fields with a total (504, 505, 509,
    // 510, 516-519, 529, 531, 533, 535, 537, 542) the getter's text and true;
    // for any other field an empty text and false.
    bool GetColumnTotal(int fieldId, std::string& text) const;

    bool operator==(const CItemTotals&) const = default;

private:
    // A running total in ten-thousandths. As with money arithmetic, an
    // overflow makes it invalid for good.
    struct Sum {
        std::int64_t units = 0;
        bool overflowed = false;

        void Add(std::int64_t amount, bool subtract) {
            if (!overflowed) {
                overflowed = subtract ? __builtin_sub_overflow(units, amount, &units)
                                      : __builtin_add_overflow(units, amount, &units);
            }
        }
        gb::Money Value() const {
            return overflowed ? gb::Money::Invalid() : gb::Money::FromUnits(units);
        }
        bool operator==(const Sum&) const = default;
    };
    using Sums = std::array<Sum, kSummedFields.size()>;

    static void Add(Sums& sums, const Share& share, bool subtract);
    // Adds or takes back an item in the all totals and those of its class.
    void Count(const Share& share, bool subtract);
    // The sums of a class; any other selection gives those of all items.
    template <typename Self>
    static auto& SumsIn(Self& self, std::int32_t selection);
    // The selected class's total of a summed field or computed column.
    bool GetTotal(int fieldId, std::string& text, gb::Money* value) const;

    std::int32_t selector_ = All;
    Sums all_{};
    std::int32_t unsuccessfulCount_ = 0;
    std::int32_t successfulCount_ = 0;
    Sums unsuccessful_{};
    Sums successful_{};
};

}  // namespace gb::itemdb
