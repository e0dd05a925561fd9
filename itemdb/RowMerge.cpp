#include "itemdb/RowMerge.h"

#include <string>

#include "itemdb/AucItem.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "platform/Clock.h"

namespace gb::itemdb {

namespace {

// A listing that runs this many days or more is a store listing.
constexpr std::int64_t kStoreListingDays = 12;
constexpr std::string_view kStoreAuctionType = "Store";
constexpr std::string_view kFixedPricePrefix = "Fixed Price";
// A fixed-price sale names a buyer the seller still has to confirm.
constexpr std::string_view kUnconfirmedBuyerPrefix = "Store? - ";

bool IsValidMoney(const CAucItem& item, int fieldId) {
    const std::optional<gb::Money> value = item.GetMoneyValue(fieldId);
    return value && value->IsValid();
}

gb::DateTime DateOf(const CAucItem& item, int fieldId) {
    return item.GetDateValue(fieldId).value_or(gb::DateTime::Null());
}

}  // namespace

RowMerge::RowMerge(std::string_view site, const RetrievedRow& row, std::int32_t storageFolder,
                   std::int32_t timeZoneHours)
    : site_(site), row_(row), storageFolder_(storageFolder), timeZoneHours_(timeZoneHours) {}

CAucItem RowMerge::NewItem() const {
    CAucItem item;
    item.SetStatus(folder::InProgress, true);
    item.SetAuctionType(row_.auctionType);
    return item;
}

void RowMerge::Apply(CAucItem& item, bool isNew) const {
    TakeKeyAndDates(item);
    if (isNew) {
        ApplyStoreTest(item);
    }
    // An item the user or an earlier merge has finished keeps what it holds.
    if (item.GetStatus() == folder::InProgress) {
        TakeBidding(item);
    }
    if (HasEnded(item)) {
        ApplyEnd(item, isNew);
    } else {
        item.SetStatus(folder::InProgress, true);
    }
}

void RowMerge::TakeKeyAndDates(CAucItem& item) const {
    item.SetSite(site_);
    item.SetFolderId(storageFolder_);
    item.SetSellerId(row_.seller);
    item.SetAuctionId(row_.item);
    // Only the end date is moved into the seller's time zone.
    item.SetStartDate(row_.start);
    item.SetEndDate(row_.end, timeZoneHours_);
}

void RowMerge::ApplyStoreTest(CAucItem& item) const {
    // Without a readable start and end the listing has no length, and a
    // missing date must not pass for a listing of decades.
    const std::optional<std::int64_t> days = gb::DateTime::WholeDaysBetween(
        DateOf(item, field::StartDate), DateOf(item, field::EndTime));
    if (days && *days >= kStoreListingDays) {
        item.SetStoreItem(true);
        item.SetAuctionType(kStoreAuctionType);
    }
}

void RowMerge::TakeBidding(CAucItem& item) const {
    item.SetDescription(row_.description);
    item.SetBuyerId(row_.bidder);
    item.SetShippingAddress(row_.buyerLocation);
    item.SetEmail(row_.email);
    item.SetRating(row_.rating);
    item.SetUpdated(std::nullopt);
    if (!row_.bidder.empty()) {
        item.SetMaxBid(row_.price);
        return;
    }
    item.SetMinBid(row_.price);
    if (!IsValidMoney(item, field::InsertionFee)) {
        item.SetInsertionFee(item.IsStoreItem() ? row_.storeInsertionFee : row_.fees);
    }
}

bool RowMerge::HasEnded(const CAucItem& item) const {
    switch (row_.completion.empty() ? '\0' : row_.completion.front()) {
        case '*':
            return true;
        case 'U': {
            const gb::DateTime end = DateOf(item, field::EndTime);
            return !(end.IsValid() && end > gb::Clock::Now());
        }
        default:
            return false;
    }
}

void RowMerge::ApplyEnd(CAucItem& item, bool isNew) const {
    if (item.GetStatus() == folder::InProgress && item.IsSold()) {
        item.SetFinalFee(item.IsStoreItem() ? row_.storeFinalValueFee : row_.commission);
        if (isNew && row_.auctionType.starts_with(kFixedPricePrefix)) {
            item.SetMinBid(row_.price);
            if (item.IsStoreItem()) {
                item.SetInsertionFee(row_.storeInsertionFee);
            } else {
                item.SetInsertionFee(row_.fees);
                item.SetBuyerId(std::string(kUnconfirmedBuyerPrefix) + row_.bidder);
            }
        }
    }
    // A status folder of the user's own survives the end of the listing.
    if (item.GetStatus() < folder::FirstUserFolder) {
        item.SetStatus(folder::NeedsAttention, true);
    }
}

}  // namespace gb::itemdb
