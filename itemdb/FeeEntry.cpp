#include "itemdb/FeeEntry.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "itemdb/ColumnSet.h"

namespace gb::itemdb {

namespace {

// A negative factor cut after its fifth decimal. The cut is made on the
// shortest decimal text that reads back as the same float, the number as the
// user wrote it: the float nearest -0.05 lies a little beyond it, and cutting
// the float itself would store -0.04999, then -0.04998 at the next store.
float CutNegativeFactor(float factor) {
    std::array<char, 64> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), factor, std::chars_format::fixed);
    std::string_view digits(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    if (const std::size_t point = digits.find('.');
        point != std::string_view::npos && digits.size() > point + 6) {
        digits = digits.substr(0, point + 6);
    }
    double cut = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), cut);
    return static_cast<float>(cut);
}

}  // namespace

void CFeeEntry::SetFactor(float factor) {
    if (factor < 0.0f && std::isfinite(factor)) {
        factor_ = CutNegativeFactor(factor);
        return;
    }
    const double shifted = std::trunc((static_cast<double>(factor) + 0.000005) * 100000.0);
    factor_ = static_cast<float>(shifted * 0.00001);
}

void CFeeEntry::AddField(int field) {
    ColumnSet::AppendCode(fieldCodes_, field);
}

bool CFeeEntry::HasField(int field) const {
    return ColumnSet::TextHasCode(fieldCodes_, field);
}

int CFeeEntry::GetFieldCount() const {
    return fieldCodes_.empty() ? 0 : static_cast<int>(fieldCodes_.size()) - 1;
}

void CFeeEntry::Serialize(gb::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(name_);
        ar.WriteString(description_);
        ar.WriteInt32(type_);
        ar.WriteByte(active_ ? 1 : 0);
        ar.WriteInt32(order_);
        ar.WriteMoney(base_);
        ar.WriteUInt32(std::bit_cast<std::uint32_t>(factor_));
        ar.WriteString(fieldCodes_);
        ar.WriteString(currencySymbol_);
        return;
    }
    CFeeEntry read;
    read.name_ = ar.ReadString();
    read.description_ = ar.ReadString();
    const std::int32_t type = ar.ReadInt32();
    const bool known =
        type == fee_type::Charge || type == fee_type::SellerFee || type == fee_type::TransactionFee;
    read.type_ = known ? type : fee_type::DisplayOnly;
    read.active_ = ar.ReadByte() != 0;
    read.order_ = ar.ReadInt32();
    read.base_ = ar.ReadMoney();
    read.factor_ = std::bit_cast<float>(ar.ReadUInt32());
    read.fieldCodes_ = ar.ReadString();
    read.currencySymbol_ = ar.ReadString();
    *this = std::move(read);
}

}  // namespace gb::itemdb
