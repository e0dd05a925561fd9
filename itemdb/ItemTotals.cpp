#include "itemdb/ItemTotals.h"

#include <algorithm>
#include <iterator>

#include "itemdb/AucItem.h"
#include "itemdb/TextHelpers.h"

namespace gb::itemdb {

namespace {

// The columns with a total: the summed fields but the reserve, and the two
// computed money columns.
constexpr int kColumnsWithTotal[] = {
    field::MinBid,        field::MaxBid,         field::InsertionFee, field::FinalFee,
    field::InsuranceCost, field::AmtReceived,    field::SHCharge,     field::ShipCost,
    field::InvoiceAmt,    field::ItemCost,       field::OtherFees,    field::TotalFees,
    field::OtherCharges,  field::TransactionFee,
};

}  // namespace

void CItemTotals::Reset() {
    all_.fill(Sum());
    successful_.fill(Sum());
    unsuccessful_.fill(Sum());
    successfulCount_ = 0;
    unsuccessfulCount_ = 0;
}

template <typename Self>
auto& CItemTotals::SumsIn(Self& self, std::int32_t selection) {
    switch (selection) {
        case Successful:
            return self.successful_;
        case Unsuccessful:
            return self.unsuccessful_;
        default:
            return self.all_;
    }
}

CItemTotals::Share CItemTotals::ShareOf(const CAucItem& item) {
    Share share;
    for (std::size_t i = 0; i < kSummedFields.size(); ++i) {
        const std::optional<gb::Money> value = item.GetMoneyValue(kSummedFields[i]);
        share.units[i] = value && value->IsValid() ? value->Units() : 0;
    }
    share.successful = item.IsSold();
    return share;
}

void CItemTotals::Add(Sums& sums, const Share& share, bool subtract) {
    for (std::size_t i = 0; i < sums.size(); ++i) {
        sums[i].Add(share.units[i], subtract);
    }
}

void CItemTotals::Accumulate(const CAucItem& item, std::int32_t selection, bool subtract) {
    Add(SumsIn(*this, selection), ShareOf(item), subtract);
}

void CItemTotals::Count(const Share& share, bool subtract) {
    Add(share.successful ? successful_ : unsuccessful_, share, subtract);
    Add(all_, share, subtract);
    std::int32_t& count = share.successful ? successfulCount_ : unsuccessfulCount_;
    count += subtract ? -1 : 1;
}

bool CItemTotals::GetTotal(int fieldId, std::string& text, gb::Money* value) const {
    // An item holding the sums gives the computed columns as well.
    CAucItem accumulator;
    const Sums& sums = SumsIn(*this, selector_);
    for (std::size_t i = 0; i < kSummedFields.size(); ++i) {
        accumulator.SetMoneyValue(kSummedFields[i], sums[i].Value());
    }
    const gb::Money total = accumulator.GetMoneyValue(fieldId).value_or(gb::Money::Null());
    if (value != nullptr) {
        *value = total;
    }
    return FormatCurrencyOrUnknown(text, total);
}

bool CItemTotals::GetItemCost(std::string& text, gb::Money* value) const {
    return GetTotal(field::ItemCost, text, value);
}
bool CItemTotals::GetOtherCharges(std::string& text, gb::Money* value) const {
    return GetTotal(field::OtherCharges, text, value);
}
bool CItemTotals::GetOtherFees(std::string& text, gb::Money* value) const {
    return GetTotal(field::OtherFees, text, value);
}
bool CItemTotals::GetTransactionFee(std::string& text, gb::Money* value) const {
    return GetTotal(field::TransactionFee, text, value);
}
bool CItemTotals::GetMaxBid(std::string& text, gb::Money* value) const {
    return GetTotal(field::MaxBid, text, value);
}
bool CItemTotals::GetMinBid(std::string& text, gb::Money* value) const {
    return GetTotal(field::MinBid, text, value);
}
bool CItemTotals::GetFinalFee(std::string& text, gb::Money* value) const {
    return GetTotal(field::FinalFee, text, value);
}
bool CItemTotals::GetInsertionFee(std::string& text, gb::Money* value) const {
    return GetTotal(field::InsertionFee, text, value);
}
bool CItemTotals::GetInsuranceCost(std::string& text, gb::Money* value) const {
    return GetTotal(field::InsuranceCost, text, value);
}
bool CItemTotals::GetAmtReceived(std::string& text, gb::Money* value) const {
    return GetTotal(field::AmtReceived, text, value);
}
bool CItemTotals::GetShipCost(std::string& text, gb::Money* value) const {
    return GetTotal(field::ShipCost, text, value);
}
bool CItemTotals::GetSHCharge(std::string& text, gb::Money* value) const {
    return GetTotal(field::SHCharge, text, value);
}
bool CItemTotals::GetInvoiceAmt(std::string& text, gb::Money* value) const {
    return GetTotal(field::InvoiceAmt, text, value);
}
bool CItemTotals::GetTotalFees(std::string& text, gb::Money* value) const {
    return GetTotal(field::TotalFees, text, value);
}

std::int32_t CItemTotals::GetCount() const {
    switch (selector_) {
        case Successful:
            return successfulCount_;
        case Unsuccessful:
            return unsuccessfulCount_;
        default:
            return successfulCount_ + unsuccessfulCount_;
    }
}

std::string CItemTotals::GetCountText() const {
    return std::to_string(GetCount());
}

bool CItemTotals::GetColumnTotal(int fieldId, std::string& text) const {
    if (std::find(std::begin(kColumnsWithTotal), std::end(kColumnsWithTotal), fieldId) ==
        std::end(kColumnsWithTotal)) {
        text.clear();
        return false;
    }
    GetTotal(fieldId, text, nullptr);
    return true;
}

}  // namespace gb::itemdb
