#include "itemdb/FeeEntry.h"

#include <bit>
#include <cmath>
#include <utility>

#include "itemdb/ColumnSet.h"

namespace gb::itemdb {

void CFeeEntry::SetFactor(float factor) {
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
