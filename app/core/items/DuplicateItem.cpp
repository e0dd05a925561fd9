#include "app/core/items/DuplicateItem.h"

#include <array>

#include "app/core/UiStrings.h"
#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"
#include "platform/Locale.h"

using gb::itemdb::CAucItem;
using gb::itemdb::CItemList;
namespace field = gb::itemdb::field;
namespace folder = gb::itemdb::folder;

namespace gb::app {

namespace {

std::string Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

std::string Invalid(std::string_view reason) {
    return "Invalid " + std::string(reason);
}

std::string DateTimeText(const gb::DateTime& value) {
    return gb::FormatDateTime(value, gb::kLocaleUserDefault, gb::DateTextForm::Default);
}

// The day of `day` at the time of day of `time`; invalid unless both are valid.
gb::DateTime Combined(const gb::DateTime& day, const gb::DateTime& time) {
    const std::optional<gb::CivilTime> date = day.IsValid() ? day.ToCivil() : std::nullopt;
    const std::optional<gb::CivilTime> clock = time.IsValid() ? time.ToCivil() : std::nullopt;
    if (!date || !clock) {
        return gb::DateTime::Invalid();
    }
    return gb::DateTime::FromCivil(date->year, date->month, date->day, clock->hour, clock->minute,
                                   clock->second);
}

gb::DateTime ValidOr(const std::optional<gb::DateTime>& value, const gb::DateTime& fallback) {
    return value && value->IsValid() ? *value : fallback;
}

}  // namespace

CAucItem DuplicateOf(const CAucItem& source, const gb::DateTime& now) {
    CAucItem item = source;
    item.SetStatus(folder::NeedsAttention, true);
    for (const int emptied :
         {field::Email, field::BuyerId, field::ShippingAddress, field::PaymentMethod,
          field::Feedback, field::ShippingMethod, field::PayDate, field::ShipDate,
          field::AmtReceived, field::ShipCost, field::InsuranceCost}) {
        item.SetFieldText(emptied, "");
    }
    item.SetRating("0");
    item.ClearItemizedCharges();
    item.ClearItemizedFees();
    for (const int zeroed :
         {field::InsertionFee, field::OtherCharges, field::OtherFees, field::TransactionFee}) {
        item.SetMoneyValue(zeroed, gb::Money());
    }
    item.SetEndDate(DateTimeText(now));
    return item;
}

DuplicateEntries DuplicateEntriesOf(const CAucItem& duplicate, const CItemList& items,
                                    const gb::DateTime& now) {
    DuplicateEntries entries;
    items.MakeUniqueId(duplicate.GetSite(), duplicate.GetAuctionId(), &entries.auctionId);
    entries.description = duplicate.GetDescription();
    entries.buyerId = duplicate.GetBuyerId();
    duplicate.GetRating(entries.rating);
    entries.email = duplicate.GetEmail();
    entries.start = ValidOr(duplicate.GetDateValue(field::StartDate), now);
    entries.endDate = ValidOr(duplicate.GetDateValue(field::EndDate), now);
    entries.endTime = entries.endDate;
    return entries;
}

std::optional<std::string> StoreDuplicateEntries(CAucItem& duplicate, DuplicateEntries entries,
                                                 const CItemList& items) {
    entries.auctionId = Trimmed(entries.auctionId);
    if (entries.auctionId.empty()) {
        return Invalid("- Please enter an Auction ID");
    }
    if (!items.MakeUniqueId(duplicate.GetSite(), entries.auctionId)) {
        return Invalid(
            "- You already have an item with that Auction ID. The auction id must be unique.");
    }
    if (Trimmed(entries.buyerId).empty()) {
        return Invalid(UiText(string_id::DuplicateNeedsBuyer));
    }
    const std::array<FieldEdit, 5> edits{{{field::BuyerId, entries.buyerId},
                                          {field::Email, entries.email},
                                          {field::AuctionId, entries.auctionId},
                                          {field::Description, entries.description},
                                          {field::Rating, entries.rating}}};
    if (std::optional<std::string> refused = StoreInOrder(duplicate, edits)) {
        return refused;
    }
    const gb::DateTime end = Combined(entries.endDate, entries.endTime);
    if (!end.IsValid() || !entries.start.IsValid() || !(end > entries.start)) {
        return Invalid(UiText(string_id::DuplicateDates));
    }
    if (!duplicate.SetEndDate(DateTimeText(end))) {
        return InvalidFieldMessage(field::EndTime);
    }
    if (!duplicate.SetStartDate(DateTimeText(entries.start))) {
        return InvalidFieldMessage(field::StartDate);
    }
    return std::nullopt;
}

}  // namespace gb::app
