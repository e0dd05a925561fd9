#include "itemdb/ItemFilter.h"

#include <algorithm>

#include "itemdb/AucItem.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "platform/Cp1252.h"
#include "platform/Locale.h"

namespace gb::itemdb {

namespace {

// The field of the item date that a date selector tests.
int DateFieldOf(std::int32_t selector) {
    switch (selector) {
        case CItemFilter::EndDate:
            return field::EndTime;
        case CItemFilter::PayDate:
            return field::PayDate;
        case CItemFilter::ShipDate:
            return field::ShipDate;
        case CItemFilter::Updated:
            return field::Updated;
        default:
            return field::StartDate;
    }
}

std::string DateOnlyText(const gb::DateTime& date) {
    return gb::FormatDateTime(date, gb::kLocaleUserDefault, gb::DateTextForm::DateOnly);
}

void TransferSlot(gb::Archive& ar, FilterIdList& list, std::size_t index) {
    std::int32_t id = list.Slot(index);
    ar.Transfer(id);
    list.SetSlot(index, id);
}

}  // namespace

CItemFilter CItemFilter::ForFolder(const CItemFilter* folderFilter) {
    if (folderFilter != nullptr) {
        return *folderFilter;
    }
    CItemFilter none;
    none.SetStateMask(0);
    return none;
}

void CItemFilter::Reset() {
    *this = CItemFilter();
}

bool CItemFilter::AddStatus(std::int32_t statusId) {
    if (statusId == 0) {
        statuses_.Clear();
        return true;
    }
    return statuses_.Add(statusId);
}

bool CItemFilter::AddCategory(std::int32_t categoryId) {
    if (categoryId == 0) {
        categories_.Clear();
        return true;
    }
    return categories_.Add(categoryId);
}

bool CItemFilter::HasStatus(std::int32_t statusId) const {
    return statusId == 0 ? statuses_.IsEmpty() : statuses_.Contains(statusId);
}

bool CItemFilter::HasCategory(std::int32_t categoryId) const {
    return categoryId == 0 ? categories_.IsEmpty() : categories_.Contains(categoryId);
}

std::size_t CItemFilter::SellerCount() const {
    const auto end = std::find_if(siteNames_.begin(), siteNames_.end(),
                                  [](const std::string& site) { return site.empty(); });
    return static_cast<std::size_t>(end - siteNames_.begin());
}

bool CItemFilter::AddSeller(std::optional<std::string_view> site, std::string_view seller) {
    if (!site) {
        siteNames_.fill({});
        sellerIds_.fill({});
        return true;
    }
    for (std::size_t i = 0; i < kSlots; ++i) {
        if (siteNames_[i].empty() || (gb::cp1252::EqualsNoCase(siteNames_[i], *site) &&
                                      gb::cp1252::EqualsNoCase(sellerIds_[i], seller))) {
            siteNames_[i] = *site;
            sellerIds_[i] = seller;
            return true;
        }
    }
    return false;
}

bool CItemFilter::HasSeller(std::optional<std::string_view> site, std::string_view seller) const {
    if (!site) {
        return SellerCount() == 0;
    }
    for (std::size_t i = 0; i < SellerCount(); ++i) {
        if (siteNames_[i] == *site && gb::cp1252::EqualsNoCase(sellerIds_[i], seller)) {
            return true;
        }
    }
    return false;
}

std::vector<std::pair<std::string, std::string>> CItemFilter::GetSellers() const {
    std::vector<std::pair<std::string, std::string>> sellers;
    for (std::size_t i = 0; i < SellerCount(); ++i) {
        sellers.emplace_back(siteNames_[i], sellerIds_[i]);
    }
    return sellers;
}

bool CItemFilter::SetDateRange(const gb::DateTime& from, const gb::DateTime& to) {
    if (from.IsNull()) {
        fromDate_ = gb::DateTime::Null();
        toDate_ = gb::DateTime::Null();
    }
    const bool invalid =
        from.Status() == gb::ValueStatus::Invalid || to.Status() == gb::ValueStatus::Invalid;
    if (invalid || (from.IsValid() && !(to > from))) {
        return false;
    }
    fromDate_ = from;
    toDate_ = to;
    return true;
}

std::string CItemFilter::GetDateFromText() const {
    return DateOnlyText(fromDate_);
}

std::string CItemFilter::GetDateToText() const {
    return DateOnlyText(toDate_);
}

bool CItemFilter::IsSearchableField(int fieldId) {
    static constexpr int kSearchable[] = {
        0,
        field::AuctionId,
        field::Description,
        field::BuyerId,
        field::Email,
        field::InvoiceNote,
        field::ItemNote,
        field::FeeNote,
        field::ShippingNote,
        field::PaymentMethod,
        field::ShippingAddress,
        field::PayNote,
        field::ShippingMethod,
        field::ChargeNote,
    };
    return std::find(std::begin(kSearchable), std::end(kSearchable), fieldId) !=
           std::end(kSearchable);
}

bool CItemFilter::SetSearch(int fieldId, std::string_view text) {
    if (!IsSearchableField(fieldId)) {
        return false;
    }
    searchField_ = fieldId;
    searchText_ = text;
    return true;
}

bool CItemFilter::MatchSellers(const CAucItem& item) const {
    const std::size_t count = SellerCount();
    if (count == 0) {
        return true;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (siteNames_[i] == item.GetSite() &&
            gb::cp1252::EqualsNoCase(sellerIds_[i], item.GetSellerId())) {
            return true;
        }
    }
    return false;
}

bool CItemFilter::MatchDateRange(const CAucItem& item) const {
    if (!fromDate_.IsValid()) {
        return true;
    }
    const gb::DateTime date = item.GetDateValue(DateFieldOf(dateSelector_)).value();
    return date.IsValid() && toDate_.IsValid() && date >= fromDate_ && date < toDate_;
}

bool CItemFilter::MatchBids(const CAucItem& item) const {
    switch (bids_) {
        case folder::Bids:
            return item.IsSold();
        case folder::NoBids:
            return !item.IsSold();
        default:
            return true;
    }
}

bool CItemFilter::MatchCategoriesAndText(const CAucItem& item) const {
    if (!categories_.IsEmpty()) {
        const std::vector<std::int32_t> wanted = categories_.Entries();
        const auto itemHas = [&item](std::int32_t id) { return item.HasCategory(id); };
        const bool passes = categoryMode_ == 0 ? std::any_of(wanted.begin(), wanted.end(), itemHas)
                                               : std::all_of(wanted.begin(), wanted.end(), itemHas);
        if (!passes) {
            return false;
        }
    }
    return MatchText(item);
}

bool CItemFilter::Match(const CAucItem& item) const {
    return MatchSellers(item) &&
           (folders_.IsEmpty() || folders_.Contains(item.GetStorageFolder())) &&
           MatchDateRange(item) && MatchBids(item) &&
           (statuses_.IsEmpty() || statuses_.Contains(item.GetStatus())) &&
           MatchCategoriesAndText(item);
}

bool CItemFilter::MatchText(const CAucItem& item) const {
    if (searchField_ == 0) {
        return true;
    }
    std::string text;
    if (IsSearchableField(searchField_)) {
        item.GetFieldText(searchField_, text);
    }
    return gb::cp1252::ToUpper(text).find(gb::cp1252::ToUpper(searchText_)) != std::string::npos;
}

void CItemFilter::Serialize(gb::Archive& ar) {
    ar.Transfer(stateMask_);
    ar.Transfer(fromDate_);
    ar.Transfer(toDate_);
    ar.Transfer(bids_);
    ar.Transfer(searchField_);
    ar.Transfer(searchText_);
    ar.Transfer(categoryMode_);
    ar.Transfer(dateSelector_);
    for (std::size_t i = 0; i < kSlots; ++i) {
        ar.Transfer(siteNames_[i]);
        ar.Transfer(sellerIds_[i]);
        TransferSlot(ar, categories_, i);
        TransferSlot(ar, statuses_, i);
        TransferSlot(ar, folders_, i);
    }
}

}  // namespace gb::itemdb
