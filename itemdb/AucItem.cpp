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
#include "platform/MoneySum.h"

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
        TextField::Index field;
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
        {field::AuctionId, F::Text{TextField::AuctionId}},
        {field::Description, F::Text{TextField::Description}},
        {field::StartDate, F::Date{&CAucItem::startDate_, DateShape::DateOnly}},
        {field::EndDate, F::Date{&CAucItem::endDate_, DateShape::DateOnly}},
        {field::MinBid, F::Amount{&CAucItem::minBid_, true}},
        {field::MaxBid, F::Amount{&CAucItem::maxBid_, true}},
        {field::BuyerId, F::Text{TextField::BuyerId}},
        {field::Email, F::Text{TextField::Email}},
        {field::InsertionFee, F::Amount{&CAucItem::insertionFee_, false}},
        {field::FinalFee, F::Amount{&CAucItem::finalFee_, false}},
        {field::Updated, F::Date{&CAucItem::updated_, DateShape::Updated}},
        {field::PayDate, F::Date{&CAucItem::payDate_, DateShape::DateOnly}},
        {field::ShipDate, F::Date{&CAucItem::shipDate_, DateShape::DateOnly}},
        {field::InsuranceCost, F::Amount{&CAucItem::insuranceCost_, false}},
        {field::AmtReceived, F::Amount{&CAucItem::amtReceived_, false}},
        {field::SHCharge, F::Amount{&CAucItem::shCharge_, false}},
        {field::ShipCost, F::Amount{&CAucItem::shipCost_, false}},
        {field::InvoiceNote, F::Text{TextField::InvoiceNote}},
        {field::ItemNote, F::Text{TextField::ItemNote}},
        {field::FeeNote, F::Text{TextField::FeeNote}},
        {field::ShippingNote, F::Text{TextField::ShippingNote}},
        {field::Weight, F::Text{TextField::Weight}},
        {field::PaymentMethod, F::Text{TextField::PaymentMethod}},
        {field::SellerId, F::Text{TextField::SellerId}},
        {field::ShippingAddress, F::Text{TextField::ShippingAddress}},
        {field::Site, F::Text{TextField::Site}},
        {field::PayNote, F::Text{TextField::PayNote}},
        {field::ItemCost, F::Amount{&CAucItem::itemCost_, false}},
        {field::ShippingMethod, F::Text{TextField::ShippingMethod}},
        {field::OtherFees, F::Amount{&CAucItem::otherFees_, false}},
        {field::EndTime, F::Date{&CAucItem::endDate_, DateShape::DateAndTime}},
        {field::ChargeNote, F::Text{TextField::ChargeNote}},
        {field::OtherCharges, F::Amount{&CAucItem::otherCharges_, false}},
        {field::Feedback, F::Text{TextField::Feedback}},
        {field::ReserveAmt, F::Amount{&CAucItem::reserveAmt_, false}},
        {field::TransactionFee, F::Amount{&CAucItem::transactionFee_, false}},
        {field::AuctionType, F::Text{TextField::AuctionType}},
    };
    // Indexed by field ID, so that a lookup costs no search: the totals and the
    // list's sort read fields by ID for every item.
    static const auto kById = [] {
        std::array<const FieldDescriptor*, field::Last - field::First + 1> byId{};
        for (const FieldDescriptor& f : kFields) {
            byId[static_cast<std::size_t>(f.id - field::First)] = &f;
        }
        return byId;
    }();
    if (fieldId < field::First || fieldId > field::Last) {
        return nullptr;
    }
    return kById[static_cast<std::size_t>(fieldId - field::First)];
}

CAucItem::CAucItem() {
    PackedTexts<TextField::Count>::Texts texts{};
    texts[TextField::AuctionId] = "NEW ITEM";
    texts[TextField::Description] = "New Inventory to Add";
    texts_.Assign(texts);
}

bool CAucItem::IsSameKey(const CAucItem& other) const {
    return gb::cp1252::EqualsNoCase(GetAuctionId(), other.GetAuctionId()) &&
           gb::cp1252::EqualsNoCase(GetSite(), other.GetSite());
}

bool CAucItem::IsBeforeOrSame(const CAucItem& other) const {
    const int order = gb::cp1252::CompareNoCase(GetAuctionId(), other.GetAuctionId());
    return order < 0 || (order == 0 && gb::cp1252::EqualsNoCase(GetSite(), other.GetSite()));
}

bool CAucItem::IsAfter(const CAucItem& other) const {
    return gb::cp1252::CompareNoCase(GetAuctionId(), other.GetAuctionId()) > 0;
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
    const std::string_view stored = GetShippingAddress();
    std::string address;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        address += stored[i];
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') {
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
                                  text = texts_.Get(t.field);
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
            [&](const FieldDescriptor::Text& t) { return SetText(t.field, text); },
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
    return !GetBuyerId().empty() &&
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

bool CAucItem::AddCode(TextField::Index field, int entry) {
    std::string codes(texts_.Get(field));
    if (!ColumnSet::IsFeeEntry(entry) || !ColumnSet::AppendCode(codes, entry)) {
        return false;
    }
    texts_.Set(field, codes);
    return true;
}

bool CAucItem::HasCode(TextField::Index field, int entry) const {
    return ColumnSet::IsFeeEntry(entry) && ColumnSet::TextHasCode(texts_.Get(field), entry);
}

void CAucItem::ReadCategoryCount(gb::Archive& ar) {
    const std::int32_t count = ar.ReadInt32();
    if (count < 0 || count > kMaxCategories) {
        throw gb::ArchiveException(gb::ArchiveException::Cause::Generic, ar.FileName());
    }
    categoryCount_ = count;
}

// The record in file order; each field with the version it first appeared in.
struct CAucItem::RecordSlot {
    struct CategoryCount {};
    using Member =
        std::variant<std::int32_t CAucItem::*, TextField::Index, gb::DateTime CAucItem::*,
                     gb::Money CAucItem::*, bool CAucItem::*, CategoryCount>;
    Member member;
    std::int32_t since = profile_version::kOldest;
};

std::span<const CAucItem::RecordSlot> CAucItem::RecordLayout() {
    static const RecordSlot kLayout[] = {
        {&CAucItem::storageFolder_},
        {TextField::Site},
        {TextField::SellerId},
        {&CAucItem::status_},
        {RecordSlot::CategoryCount{}},
        {TextField::AuctionId},
        {TextField::Description},
        {&CAucItem::startDate_},
        {&CAucItem::endDate_},
        {&CAucItem::payDate_},
        {&CAucItem::shipDate_},
        {&CAucItem::minBid_},
        {&CAucItem::maxBid_},
        {&CAucItem::amtReceived_},
        {TextField::PaymentMethod},
        {&CAucItem::insuranceCost_},
        {&CAucItem::shCharge_},
        {&CAucItem::shipCost_},
        {TextField::BuyerId},
        {TextField::Email},
        {&CAucItem::rating_},
        {TextField::ShippingAddress},
        {&CAucItem::insertionFee_},
        {&CAucItem::finalFee_},
        {&CAucItem::otherFees_},
        {TextField::ItemNote},
        {TextField::PayNote},
        {TextField::InvoiceNote},
        {TextField::ShippingNote},
        {TextField::FeeNote},
        {&CAucItem::updated_},
        {TextField::Weight},
        {&CAucItem::itemCost_},
        {TextField::ShippingMethod},
        {TextField::ChargeNote, profile_version::kChargeFields},
        {TextField::Feedback, profile_version::kChargeFields},
        {&CAucItem::reserveAmt_, profile_version::kChargeFields},
        {&CAucItem::otherCharges_, profile_version::kChargeFields},
        {TextField::ItemizedFees, profile_version::kChargeFields},
        {TextField::ItemizedCharges, profile_version::kChargeFields},
        {&CAucItem::transactionFee_, profile_version::kChargeFields},
        {TextField::AuctionType, profile_version::kAuctionType},
        {&CAucItem::storeItem_, profile_version::kStoreFlag},
    };
    return kLayout;
}

void CAucItem::TakeEdits(const CAucItem& original, const CAucItem& edited) {
    // Every field of the record, so that a field the record gains is taken
    // too; the key stays this item's, and the state is not in the record.
    const auto take = [&](auto member) {
        if (edited.*member != original.*member) {
            this->*member = edited.*member;
        }
    };
    for (const RecordSlot& slot : RecordLayout()) {
        std::visit(
            Overloaded{
                [&](TextField::Index field) {
                    if (field != TextField::Site && field != TextField::AuctionId &&
                        edited.texts_.Get(field) != original.texts_.Get(field)) {
                        texts_.Set(field, edited.texts_.Get(field));
                    }
                },
                [&](RecordSlot::CategoryCount) {
                    if (!std::ranges::equal(edited.GetCategories(), original.GetCategories())) {
                        categoryCount_ = edited.categoryCount_;
                        categories_ = edited.categories_;
                    }
                },
                [&](auto member) { take(member); },
            },
            slot.member);
    }
}

void CAucItem::Serialize(gb::Archive& ar) {
    if (ar.IsStoring()) {
        Store(ar);
    } else {
        Load(ar);
    }
}

void CAucItem::Store(gb::Archive& ar) const {
    using CategoryCount = RecordSlot::CategoryCount;
    for (const RecordSlot& slot : RecordLayout()) {
        std::visit(Overloaded{
                       [&](std::int32_t CAucItem::*m) { ar.WriteInt32(this->*m); },
                       [&](TextField::Index field) { ar.WriteString(texts_.Get(field)); },
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
}

void CAucItem::Load(gb::Archive& ar) {
    using CategoryCount = RecordSlot::CategoryCount;
    const std::int32_t version = ar.FileVersion();
    if (!profile_version::IsReadable(version)) {
        throw gb::ArchiveException(gb::ArchiveException::Cause::BadSchema, ar.FileName());
    }
    // Fields the file's version does not hold take a new item's values.
    static const CAucItem kDefaults;
    // The texts are gathered as views of the file's bytes and stored at once.
    PackedTexts<TextField::Count>::Texts texts = kDefaults.texts_.All();
    for (const RecordSlot& slot : RecordLayout()) {
        const bool present = version >= slot.since;
        std::visit(
            Overloaded{
                [&](std::int32_t CAucItem::*m) {
                    this->*m = present ? ar.ReadInt32() : kDefaults.*m;
                },
                [&](TextField::Index field) {
                    if (present) {
                        texts[field] = ar.ReadStringView();
                    }
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
    texts_.Assign(texts);
}

}  // namespace gb::itemdb
