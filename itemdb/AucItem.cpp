#include "itemdb/AucItem.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <variant>

#include "itemdb/ColumnSet.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderNameLookup.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/ProfileVersion.h"
#include "itemdb/TextHelpers.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/Locale.h"

namespace gb::itemdb {

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Spelled out for compilers that do not deduce an aggregate's arguments.
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string UnknownText() {
    return LoadString(string_id::Unknown);
}

// Sums the valid ones of the given amounts, starting from a valid 0.
gb::Money SumOfValid(std::initializer_list<gb::Money> amounts) {
    gb::Money sum;
    for (const gb::Money& amount : amounts) {
        if (amount.IsValid()) {
            sum += amount;
        }
    }
    return sum;
}

// Whole days from the date part of `from` to the date part of `until`, or of
// today when `until` is not valid; 0 and false when `from` is not valid.
bool DaysBetween(const gb::DateTime& from, const gb::DateTime& until, std::string& text,
                 std::int32_t* value) {
    const gb::DateTime to = until.IsValid() ? until : gb::Clock::Now();
    const std::optional<std::int64_t> days =
        from.IsValid() ? gb::DateTime::WholeDaysBetween(from.DatePart(), to.DatePart())
                       : std::nullopt;
    const auto count = static_cast<std::int32_t>(days.value_or(0));
    text = std::to_string(count);
    if (value != nullptr) {
        *value = count;
    }
    return days.has_value();
}

// The C run-time's "%c" in its default locale: "MM/dd/yy HH:mm:ss".
std::string FormatUpdated(const gb::CivilTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d", t.month, t.day, t.year % 100,
                  t.hour, t.minute, t.second);
    return text;
}

}  // namespace

// How a field ID reaches its stored value.
struct CAucItem::FieldDescriptor {
    struct Text {
        std::string CAucItem::*member;
    };
    struct Amount {
        gb::Money CAucItem::*member;
        bool readsAfterCurrencyWord;
    };
    struct Date {
        gb::DateTime CAucItem::*member;
        DateShape shape;
    };

    int id;
    std::variant<Text, Amount, Date> access;
};

const CAucItem::FieldDescriptor* CAucItem::FindField(int fieldId) {
    using F = FieldDescriptor;
    static const FieldDescriptor kFields[] = {
        {field::AuctionId, F::Text{&CAucItem::auctionId_}},
        {field::Description, F::Text{&CAucItem::description_}},
        {field::StartDate, F::Date{&CAucItem::startDate_, DateShape::DateOnly}},
        {field::EndDate, F::Date{&CAucItem::endDate_, DateShape::DateOnly}},
        {field::MinBid, F::Amount{&CAucItem::minBid_, true}},
        {field::MaxBid, F::Amount{&CAucItem::maxBid_, true}},
        {field::BuyerId, F::Text{&CAucItem::buyerId_}},
        {field::Email, F::Text{&CAucItem::email_}},
        {field::InsertionFee, F::Amount{&CAucItem::insertionFee_, false}},
        {field::FinalFee, F::Amount{&CAucItem::finalFee_, false}},
        {field::Updated, F::Date{&CAucItem::updated_, DateShape::Updated}},
        {field::PayDate, F::Date{&CAucItem::payDate_, DateShape::DateOnly}},
        {field::ShipDate, F::Date{&CAucItem::shipDate_, DateShape::DateOnly}},
        {field::InsuranceCost, F::Amount{&CAucItem::insuranceCost_, false}},
        {field::AmtReceived, F::Amount{&CAucItem::amtReceived_, false}},
        {field::SHCharge, F::Amount{&CAucItem::shCharge_, false}},
        {field::ShipCost, F::Amount{&CAucItem::shipCost_, false}},
        {field::InvoiceNote, F::Text{&CAucItem::invoiceNote_}},
        {field::ItemNote, F::Text{&CAucItem::itemNote_}},
        {field::FeeNote, F::Text{&CAucItem::feeNote_}},
        {field::ShippingNote, F::Text{&CAucItem::shippingNote_}},
        {field::Weight, F::Text{&CAucItem::weight_}},
        {field::PaymentMethod, F::Text{&CAucItem::paymentMethod_}},
        {field::SellerId, F::Text{&CAucItem::sellerId_}},
        {field::ShippingAddress, F::Text{&CAucItem::shippingAddress_}},
        {field::Site, F::Text{&CAucItem::site_}},
        {field::PayNote, F::Text{&CAucItem::payNote_}},
        {field::ItemCost, F::Amount{&CAucItem::itemCost_, false}},
        {field::ShippingMethod, F::Text{&CAucItem::shippingMethod_}},
        {field::OtherFees, F::Amount{&CAucItem::otherFees_, false}},
        {field::EndTime, F::Date{&CAucItem::endDate_, DateShape::DateAndTime}},
        {field::ChargeNote, F::Text{&CAucItem::chargeNote_}},
        {field::OtherCharges, F::Amount{&CAucItem::otherCharges_, false}},
        {field::Feedback, F::Text{&CAucItem::feedback_}},
        {field::ReserveAmt, F::Amount{&CAucItem::reserveAmt_, false}},
        {field::TransactionFee, F::Amount{&CAucItem::transactionFee_, false}},
        {field::AuctionType, F::Text{&CAucItem::auctionType_}},
    };
    const auto found =
        std::find_if(std::begin(kFields), std::end(kFields),
                     [fieldId](const FieldDescriptor& f) { return f.id == fieldId; });
    return found == std::end(kFields) ? nullptr : found;
}

bool CAucItem::IsSameKey(const CAucItem& other) const {
    return gb::cp1252::EqualsNoCase(auctionId_, other.auctionId_) &&
           gb::cp1252::EqualsNoCase(site_, other.site_);
}

bool CAucItem::IsBeforeOrSame(const CAucItem& other) const {
    const int order = gb::cp1252::CompareNoCase(auctionId_, other.auctionId_);
    return order < 0 || (order == 0 && gb::cp1252::EqualsNoCase(site_, other.site_));
}

bool CAucItem::IsAfter(const CAucItem& other) const {
    return gb::cp1252::CompareNoCase(auctionId_, other.auctionId_) > 0;
}

bool CAucItem::SetText(std::string& target, std::string_view text) {
    target = text;
    return true;
}

bool CAucItem::GetMoney(const gb::Money& value, std::string& text, gb::Money* out) {
    if (out != nullptr) {
        *out = value;
    }
    return FormatCurrencyOrUnknown(text, value);
}

bool CAucItem::SetMoney(gb::Money& target, std::string_view text) {
    target = text.empty() ? gb::Money::Null() : gb::ParseCurrency(text, gb::kLocaleUserDefault);
    return target.IsValid() || target.IsNull();
}

bool CAucItem::SetMoneyAfterWord(gb::Money& target, std::string_view text) {
    if (SetMoney(target, text)) {
        return true;
    }
    const std::size_t blank = text.find(' ');
    if (blank != std::string_view::npos) {
        target = gb::ParseCurrency(text.substr(blank + 1), gb::kLocaleUserDefault);
    }
    return target.IsValid();
}

bool CAucItem::GetDate(const gb::DateTime& value, DateShape shape, std::string& text,
                       gb::DateTime* out) {
    if (out != nullptr) {
        *out = value;
    }
    const std::optional<gb::CivilTime> civil = value.ToCivil();
    if (!civil) {
        text = UnknownText();
        return false;
    }
    switch (shape) {
        case DateShape::DateOnly:
            text = gb::FormatDateTime(value.DatePart(), gb::kLocaleUserDefault,
                                      gb::DateTextForm::DateOnly);
            break;
        case DateShape::DateAndTime:
            text = gb::FormatDateTime(value, gb::kLocaleUserDefault, gb::DateTextForm::Default);
            break;
        case DateShape::TimeOfDay:
            text = gb::FormatDateTime(value, gb::kLocaleUserDefault, gb::DateTextForm::TimeOnly);
            break;
        case DateShape::Updated:
            text = FormatUpdated(*civil);
            break;
    }
    return true;
}

bool CAucItem::SetDate(gb::DateTime& target, std::string_view text) {
    target = text.empty() ? gb::DateTime::Null() : gb::ParseDateTime(text, gb::kLocaleUserDefault);
    return target.IsValid() || target.IsNull();
}

bool CAucItem::SetEndDate(std::string_view text, int hours) {
    SetDate(endDate_, text);
    if (hours != 0) {
        endDate_ = endDate_.AddHours(hours);
    }
    return endDate_.Status() != gb::ValueStatus::Invalid;
}

bool CAucItem::SetUpdated(std::optional<std::string_view> text) {
    if (!text) {
        updated_ = gb::Clock::Now();
        return updated_.IsValid();
    }
    return SetDate(updated_, *text);
}

bool CAucItem::GetRating(std::string& text, std::int32_t* value) const {
    text = std::to_string(rating_);
    if (value != nullptr) {
        *value = rating_;
    }
    return true;
}

bool CAucItem::SetRating(std::string_view text) {
    // As "%d" reads: leading white space, an optional sign, then digits.
    const auto start = std::find_if_not(
        text.begin(), text.end(), [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
    std::string_view number = text.substr(static_cast<std::size_t>(start - text.begin()));
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
        if (!number.empty() && number.front() == '-') {
            return false;
        }
    }
    std::int32_t rating = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), rating);
    if (error != std::errc()) {
        return false;
    }
    rating_ = rating;
    return true;
}

gb::Money CAucItem::InvoiceAmt() const {
    if (!maxBid_.IsValid() && !shCharge_.IsValid() && !otherCharges_.IsValid()) {
        return gb::Money::Null();
    }
    return SumOfValid({maxBid_, shCharge_, otherCharges_});
}

gb::Money CAucItem::TotalFees() const {
    return SumOfValid({insertionFee_, finalFee_, otherFees_, transactionFee_});
}

bool CAucItem::GetInvoiceAmt(std::string& text, gb::Money* value) const {
    return GetMoney(InvoiceAmt(), text, value);
}

bool CAucItem::GetTotalFees(std::string& text, gb::Money* value) const {
    return GetMoney(TotalFees(), text, value);
}

bool CAucItem::GetDaysToPay(std::string& text, std::int32_t* value) const {
    return DaysBetween(endDate_, payDate_, text, value);
}

bool CAucItem::GetDaysToShip(std::string& text, std::int32_t* value) const {
    return DaysBetween(payDate_, shipDate_, text, value);
}

std::string CAucItem::ShippingAddressLine(int line) const {
    // CR LF and a lone CR both end a line; a lone LF does not.
    std::string address;
    for (std::size_t i = 0; i < shippingAddress_.size(); ++i) {
        address += shippingAddress_[i];
        if (shippingAddress_[i] == '\r' && i + 1 < shippingAddress_.size() &&
            shippingAddress_[i + 1] == '\n') {
            ++i;
        }
    }
    std::size_t start = 0;
    for (int n = 1; n < line; ++n) {
        const std::size_t end = address.find('\r', start);
        if (end == std::string::npos) {
            return {};
        }
        start = end + 1;
    }
    const std::size_t end = address.find('\r', start);
    return address.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool CAucItem::GetFieldText(int fieldId, std::string& text, const FolderNameLookup* folders) const {
    if (const FieldDescriptor* f = FindField(fieldId)) {
        return std::visit(Overloaded{
                              [&](const FieldDescriptor::Text& t) {
                                  text = this->*t.member;
                                  return true;
                              },
                              [&](const FieldDescriptor::Amount& a) {
                                  return GetMoney(this->*a.member, text, nullptr);
                              },
                              [&](const FieldDescriptor::Date& d) {
                                  return GetDate(this->*d.member, d.shape, text, nullptr);
                              },
                          },
                          f->access);
    }
    if (fieldId >= field::ShippingAddressLine1 && fieldId <= field::ShippingAddressLine5) {
        text = ShippingAddressLine(fieldId - field::ShippingAddressLine1 + 1);
        return true;
    }
    switch (fieldId) {
        case field::Rating:
            return GetRating(text);
        case field::Status:
            return GetStatus(text, folders) != 0;
        case field::Folder:
            GetFolder(text, folders);
            return true;
        case field::InvoiceAmt:
            return GetInvoiceAmt(text);
        case field::TotalFees:
            return GetTotalFees(text);
        case field::DaysToPay:
            return GetDaysToPay(text);
        case field::DaysToShip:
            return GetDaysToShip(text);
        case field::Icon:
            text.clear();
            return true;
        default:
            text = UnknownText();
            return false;
    }
}

bool CAucItem::SetFieldText(int fieldId, std::string_view text) {
    if (fieldId == field::Rating) {
        return SetRating(text);
    }
    const FieldDescriptor* f = FindField(fieldId);
    if (f == nullptr) {
        return false;
    }
    return std::visit(
        Overloaded{
            [&](const FieldDescriptor::Text& t) { return SetText(this->*t.member, text); },
            [&](const FieldDescriptor::Amount& a) {
                return a.readsAfterCurrencyWord ? SetMoneyAfterWord(this->*a.member, text)
                                                : SetMoney(this->*a.member, text);
            },
            [&](const FieldDescriptor::Date& d) { return SetDate(this->*d.member, text); },
        },
        f->access);
}

std::optional<gb::Money> CAucItem::GetMoneyValue(int fieldId) const {
    if (fieldId == field::InvoiceAmt) {
        return InvoiceAmt();
    }
    if (fieldId == field::TotalFees) {
        return TotalFees();
    }
    const FieldDescriptor* f = FindField(fieldId);
    const auto* amount = f ? std::get_if<FieldDescriptor::Amount>(&f->access) : nullptr;
    return amount ? std::optional(this->*amount->member) : std::nullopt;
}

bool CAucItem::SetMoneyValue(int fieldId, const gb::Money& value) {
    const FieldDescriptor* f = FindField(fieldId);
    const auto* amount = f ? std::get_if<FieldDescriptor::Amount>(&f->access) : nullptr;
    if (amount == nullptr) {
        return false;
    }
    this->*amount->member = value;
    return true;
}

std::optional<gb::DateTime> CAucItem::GetDateValue(int fieldId) const {
    const FieldDescriptor* f = FindField(fieldId);
    const auto* date = f ? std::get_if<FieldDescriptor::Date>(&f->access) : nullptr;
    return date ? std::optional(this->*date->member) : std::nullopt;
}

bool CAucItem::GetFolder(std::string& name, const FolderNameLookup* folders,
                         std::int32_t* folderId) const {
    if (folderId != nullptr) {
        *folderId = storageFolder_;
    }
    std::optional<std::string> found = folders ? folders->FolderName(storageFolder_) : std::nullopt;
    name = found ? std::move(*found) : UnknownText();
    return found.has_value();
}

bool CAucItem::SetState(std::int32_t list) {
    switch (list) {
        case folder::InProgress:
        case folder::AuctionEnded:
        case folder::Archive:
        case folder::DeletedItems:
            state_ = list;
            return true;
        default:
            state_ = 0;
            return false;
    }
}

std::int32_t CAucItem::GetStatus(std::string& name, const FolderNameLookup* folders) const {
    std::optional<std::string> found;
    if (status_ == folder::InProgress) {
        found = LoadString(folder::InProgress);
    } else if (folders != nullptr) {
        found = folders->FolderName(status_);
    }
    name = found ? std::move(*found) : LoadString(folder::NeedsAttention);
    return status_;
}

bool CAucItem::SetStatus(std::int32_t statusId, bool force) {
    if (status_ == folder::InProgress && !force) {
        return false;
    }
    status_ = statusId;
    return true;
}

bool CAucItem::SetStoreItem(bool storeItem) {
    storeItem_ = storeItem;
    return true;
}

bool CAucItem::IsSold() const {
    return !buyerId_.empty() &&
           (!reserveAmt_.IsValid() || (maxBid_.IsValid() && maxBid_ >= reserveAmt_));
}

int CAucItem::GetDisplayState() const {
    int icon = 0;
    switch (state_) {
        case folder::InProgress:
            icon = 1;
            break;
        case folder::AuctionEnded:
            icon = IsSold() ? 5 : 3;
            break;
        case folder::Archive:
            icon = 7;
            break;
        case folder::DeletedItems:
            icon = 9;
            break;
        default:
            return 0;
    }
    return storeItem_ ? icon + 1 : icon;
}

bool CAucItem::AddCategory(std::int32_t categoryId) {
    if (categoryId == folder::NoCategory || categoryId == 0) {
        categories_.fill(0);
        categoryCount_ = 0;
        return true;
    }
    if (categoryCount_ == kMaxCategories) {
        return false;
    }
    if (HasCategory(categoryId)) {
        return true;
    }
    const auto used = categories_.begin() + categoryCount_;
    const auto at = std::find_if(categories_.begin(), used,
                                 [categoryId](std::int32_t id) { return id > categoryId; });
    std::move_backward(at, used, used + 1);
    *at = categoryId;
    ++categoryCount_;
    return true;
}

bool CAucItem::HasCategory(std::int32_t categoryId) const {
    if (categoryCount_ == 0) {
        return categoryId == folder::NoCategory;
    }
    const auto categories = GetCategories();
    return std::find(categories.begin(), categories.end(), categoryId) != categories.end();
}

bool CAucItem::RemoveCategory(std::int32_t categoryId) {
    if (!HasCategory(categoryId)) {
        return false;
    }
    const auto used = categories_.begin() + categoryCount_;
    const auto at = std::find(categories_.begin(), used, categoryId);
    if (at == used) {
        // 117 on an item without categories: nothing to remove.
        return true;
    }
    std::move(at + 1, used, at);
    *(used - 1) = 0;
    --categoryCount_;
    return true;
}

bool CAucItem::AddCode(std::string& codes, int entry) {
    return ColumnSet::IsFeeEntry(entry) && ColumnSet::AppendCode(codes, entry);
}

bool CAucItem::HasCode(const std::string& codes, int entry) {
    return ColumnSet::IsFeeEntry(entry) && ColumnSet::TextHasCode(codes, entry);
}

void CAucItem::ReadCategoryCount(gb::Archive& ar) {
    const std::int32_t count = ar.ReadInt32();
    if (count < 0 || count > kMaxCategories) {
        throw gb::ArchiveException(gb::ArchiveException::Cause::Generic, ar.FileName());
    }
    categoryCount_ = count;
}

void CAucItem::Serialize(gb::Archive& ar) {
    // The record in file order; each field with the version it first appeared in.
    struct CategoryCount {};
    using Member =
        std::variant<std::int32_t CAucItem::*, std::string CAucItem::*, gb::DateTime CAucItem::*,
                     gb::Money CAucItem::*, bool CAucItem::*, CategoryCount>;
    struct Slot {
        Member member;
        std::int32_t since = profile_version::kOldest;
    };
    static const Slot kLayout[] = {
        {&CAucItem::storageFolder_},
        {&CAucItem::site_},
        {&CAucItem::sellerId_},
        {&CAucItem::status_},
        {CategoryCount{}},
        {&CAucItem::auctionId_},
        {&CAucItem::description_},
        {&CAucItem::startDate_},
        {&CAucItem::endDate_},
        {&CAucItem::payDate_},
        {&CAucItem::shipDate_},
        {&CAucItem::minBid_},
        {&CAucItem::maxBid_},
        {&CAucItem::amtReceived_},
        {&CAucItem::paymentMethod_},
        {&CAucItem::insuranceCost_},
        {&CAucItem::shCharge_},
        {&CAucItem::shipCost_},
        {&CAucItem::buyerId_},
        {&CAucItem::email_},
        {&CAucItem::rating_},
        {&CAucItem::shippingAddress_},
        {&CAucItem::insertionFee_},
        {&CAucItem::finalFee_},
        {&CAucItem::otherFees_},
        {&CAucItem::itemNote_},
        {&CAucItem::payNote_},
        {&CAucItem::invoiceNote_},
        {&CAucItem::shippingNote_},
        {&CAucItem::feeNote_},
        {&CAucItem::updated_},
        {&CAucItem::weight_},
        {&CAucItem::itemCost_},
        {&CAucItem::shippingMethod_},
        {&CAucItem::chargeNote_, profile_version::kChargeFields},
        {&CAucItem::feedback_, profile_version::kChargeFields},
        {&CAucItem::reserveAmt_, profile_version::kChargeFields},
        {&CAucItem::otherCharges_, profile_version::kChargeFields},
        {&CAucItem::itemizedFees_, profile_version::kChargeFields},
        {&CAucItem::itemizedCharges_, profile_version::kChargeFields},
        {&CAucItem::transactionFee_, profile_version::kChargeFields},
        {&CAucItem::auctionType_, profile_version::kAuctionType},
        {&CAucItem::storeItem_, profile_version::kStoreFlag},
    };

    if (ar.IsStoring()) {
        for (const Slot& slot : kLayout) {
            std::visit(Overloaded{
                           [&](std::int32_t CAucItem::*m) { ar.WriteInt32(this->*m); },
                           [&](std::string CAucItem::*m) { ar.WriteString(this->*m); },
                           [&](gb::DateTime CAucItem::*m) { ar.WriteDate(this->*m); },
                           [&](gb::Money CAucItem::*m) { ar.WriteMoney(this->*m); },
                           [&](bool CAucItem::*m) { ar.WriteByte(this->*m ? 1 : 0); },
                           [&](CategoryCount) { ar.WriteInt32(categoryCount_); },
                       },
                       slot.member);
        }
        for (const std::int32_t id : GetCategories()) {
            ar.WriteInt32(id);
        }
        return;
    }

    const std::int32_t version = ar.FileVersion();
    if (!profile_version::IsReadable(version)) {
        throw gb::ArchiveException(gb::ArchiveException::Cause::BadSchema, ar.FileName());
    }
    // Fields the file's version does not hold take a new item's values.
    static const CAucItem kDefaults;
    for (const Slot& slot : kLayout) {
        const bool present = version >= slot.since;
        std::visit(
            Overloaded{
                [&](std::int32_t CAucItem::*m) {
                    this->*m = present ? ar.ReadInt32() : kDefaults.*m;
                },
                [&](std::string CAucItem::*m) {
                    this->*m = present ? ar.ReadString() : kDefaults.*m;
                },
                [&](gb::DateTime CAucItem::*m) {
                    this->*m = present ? ar.ReadDate() : kDefaults.*m;
                },
                [&](gb::Money CAucItem::*m) { this->*m = present ? ar.ReadMoney() : kDefaults.*m; },
                [&](bool CAucItem::*m) { this->*m = present ? ar.ReadByte() != 0 : kDefaults.*m; },
                [&](CategoryCount) { ReadCategoryCount(ar); },
            },
            slot.member);
    }
    categories_.fill(0);
    for (std::int32_t i = 0; i < categoryCount_; ++i) {
        categories_[static_cast<std::size_t>(i)] = ar.ReadInt32();
    }
}

}  // namespace gb::itemdb
