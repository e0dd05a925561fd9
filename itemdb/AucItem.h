#pragma once
// One auction item of a profile: everything the seller keeps about one
// listing. Items are values; lists own their copies, and other code copies an
// item, edits the copy and hands it back.
//
// Accessor families:
// - text getters return the field; text setters store the text and give true;
// - money getters fill the text in the user's currency format (or "Unknown")
//   and optionally the value, and give false when it is null or invalid;
//   money setters parse under the user's default locale, an empty text making
//   the value null; a text that does not parse stores an invalid value and
//   gives false;
// - date getters and setters work the same way with date texts.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "itemdb/FolderKind.h"
#include "platform/Archive.h"
#include "platform/DateTime.h"
#include "platform/Money.h"

namespace gb::itemdb {

class FolderNameLookup;

class CAucItem {
public:
    static constexpr int kMaxCategories = 20;

    CAucItem() = default;

    // Key comparisons, the whole ordering contract of the item lists: the lists
    // are sorted by auction ID alone, and the site only decides equality. Both
    // are compared case-insensitively.
    bool IsSameKey(const CAucItem& other) const;
    // This auction ID sorts before the other's, or both keys are the same.
    bool IsBeforeOrSame(const CAucItem& other) const;
    // This auction ID sorts after the other's; the site plays no part.
    bool IsAfter(const CAucItem& other) const;

    // Text fields.
    const std::string& GetAuctionId() const { return auctionId_; }
    const std::string& GetDescription() const { return description_; }
    const std::string& GetBuyerId() const { return buyerId_; }
    const std::string& GetSellerId() const { return sellerId_; }
    const std::string& GetEmail() const { return email_; }
    const std::string& GetSite() const { return site_; }
    const std::string& GetAuctionType() const { return auctionType_; }
    const std::string& GetShippingAddress() const { return shippingAddress_; }
    const std::string& GetWeight() const { return weight_; }
    const std::string& GetShippingMethod() const { return shippingMethod_; }
    const std::string& GetPaymentMethod() const { return paymentMethod_; }
    const std::string& GetFeedback() const { return feedback_; }
    const std::string& GetItemNote() const { return itemNote_; }
    const std::string& GetInvoiceNote() const { return invoiceNote_; }
    const std::string& GetShippingNote() const { return shippingNote_; }
    const std::string& GetPayNote() const { return payNote_; }
    const std::string& GetFeeNote() const { return feeNote_; }
    const std::string& GetChargeNote() const { return chargeNote_; }

    bool SetAuctionId(std::string_view text) { return SetText(auctionId_, text); }
    bool SetDescription(std::string_view text) { return SetText(description_, text); }
    bool SetBuyerId(std::string_view text) { return SetText(buyerId_, text); }
    bool SetSellerId(std::string_view text) { return SetText(sellerId_, text); }
    bool SetEmail(std::string_view text) { return SetText(email_, text); }
    bool SetSite(std::string_view text) { return SetText(site_, text); }
    bool SetAuctionType(std::string_view text) { return SetText(auctionType_, text); }
    bool SetShippingAddress(std::string_view text) { return SetText(shippingAddress_, text); }
    bool SetWeight(std::string_view text) { return SetText(weight_, text); }
    bool SetShippingMethod(std::string_view text) { return SetText(shippingMethod_, text); }
    bool SetPaymentMethod(std::string_view text) { return SetText(paymentMethod_, text); }
    bool SetFeedback(std::string_view text) { return SetText(feedback_, text); }
    bool SetItemNote(std::string_view text) { return SetText(itemNote_, text); }
    bool SetInvoiceNote(std::string_view text) { return SetText(invoiceNote_, text); }
    bool SetShippingNote(std::string_view text) { return SetText(shippingNote_, text); }
    bool SetPayNote(std::string_view text) { return SetText(payNote_, text); }
    bool SetFeeNote(std::string_view text) { return SetText(feeNote_, text); }
    bool SetChargeNote(std::string_view text) { return SetText(chargeNote_, text); }

    // Money fields.
    bool GetMinBid(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(minBid_, text, value);
    }
    bool GetMaxBid(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(maxBid_, text, value);
    }
    bool GetItemCost(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(itemCost_, text, value);
    }
    bool GetInsertionFee(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(insertionFee_, text, value);
    }
    bool GetFinalFee(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(finalFee_, text, value);
    }
    bool GetInsuranceCost(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(insuranceCost_, text, value);
    }
    bool GetAmtReceived(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(amtReceived_, text, value);
    }
    bool GetShipCost(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(shipCost_, text, value);
    }
    bool GetSHCharge(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(shCharge_, text, value);
    }
    bool GetOtherCharges(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(otherCharges_, text, value);
    }
    bool GetOtherFees(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(otherFees_, text, value);
    }
    bool GetReserveAmt(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(reserveAmt_, text, value);
    }
    bool GetTransactionFee(std::string& text, gb::Money* value = nullptr) const {
        return GetMoney(transactionFee_, text, value);
    }

    // The bids also read a price with a currency word in front ("US $12.50"):
    // when the whole text does not parse, the text after its first blank is tried.
    bool SetMinBid(std::string_view text) { return SetMoneyAfterWord(minBid_, text); }
    bool SetMaxBid(std::string_view text) { return SetMoneyAfterWord(maxBid_, text); }
    bool SetItemCost(std::string_view text) { return SetMoney(itemCost_, text); }
    bool SetInsertionFee(std::string_view text) { return SetMoney(insertionFee_, text); }
    bool SetFinalFee(std::string_view text) { return SetMoney(finalFee_, text); }
    bool SetInsuranceCost(std::string_view text) { return SetMoney(insuranceCost_, text); }
    bool SetAmtReceived(std::string_view text) { return SetMoney(amtReceived_, text); }
    bool SetShipCost(std::string_view text) { return SetMoney(shipCost_, text); }
    bool SetSHCharge(std::string_view text) { return SetMoney(shCharge_, text); }
    bool SetOtherCharges(std::string_view text) { return SetMoney(otherCharges_, text); }
    bool SetOtherFees(std::string_view text) { return SetMoney(otherFees_, text); }
    bool SetReserveAmt(std::string_view text) { return SetMoney(reserveAmt_, text); }
    bool SetTransactionFee(std::string_view text) { return SetMoney(transactionFee_, text); }

    // Dates. The optional value receives the whole stored value with its status.
    // Start, end, pay and ship dates show their date part only.
    bool GetStartDate(std::string& text, gb::DateTime* value = nullptr) const {
        return GetDate(startDate_, DateShape::DateOnly, text, value);
    }
    bool GetEndDate(std::string& text, gb::DateTime* value = nullptr) const {
        return GetDate(endDate_, DateShape::DateOnly, text, value);
    }
    // The end date with its time (left out at exactly midnight).
    bool GetEndTime(std::string& text, gb::DateTime* value = nullptr) const {
        return GetDate(endDate_, DateShape::DateAndTime, text, value);
    }
    // Only the time of day of the end date.
    bool GetEndTimeOfDay(std::string& text, gb::DateTime* value = nullptr) const {
        return GetDate(endDate_, DateShape::TimeOfDay, text, value);
    }
    bool GetPayDate(std::string& text, gb::DateTime* value = nullptr) const {
        return GetDate(payDate_, DateShape::DateOnly, text, value);
    }
    bool GetShipDate(std::string& text, gb::DateTime* value = nullptr) const {
        return GetDate(shipDate_, DateShape::DateOnly, text, value);
    }
    // "MM/dd/yy HH:mm:ss" whatever the user's locale.
    bool GetUpdated(std::string& text, gb::DateTime* value = nullptr) const {
        return GetDate(updated_, DateShape::Updated, text, value);
    }

    bool SetStartDate(std::string_view text) { return SetDate(startDate_, text); }
    // Then moves the end date by `hours` (negative moves it earlier).
    bool SetEndDate(std::string_view text, int hours = 0);
    bool SetPayDate(std::string_view text) { return SetDate(payDate_, text); }
    bool SetShipDate(std::string_view text) { return SetDate(shipDate_, text); }
    // No text at all stores the current local date and time.
    bool SetUpdated(std::optional<std::string_view> text);

    // The rating as "%d" and as a number; always true.
    bool GetRating(std::string& text, std::int32_t* value = nullptr) const;
    // Reads a decimal integer from the start of the text; when there is none
    // the rating is unchanged and the result false.
    bool SetRating(std::string_view text);

    // Computed columns.
    // Max bid + S&H charge + other charges, each when valid; null ("Unknown",
    // false) when none of the three is valid.
    bool GetInvoiceAmt(std::string& text, gb::Money* value = nullptr) const;
    // Insertion fee + final fee + other fees + transaction fee, each when valid.
    bool GetTotalFees(std::string& text, gb::Money* value = nullptr) const;
    // Whole days from the end date to the pay date (today when there is none);
    // 0 and false without an end date.
    bool GetDaysToPay(std::string& text, std::int32_t* value = nullptr) const;
    // Whole days from the pay date to the ship date (today when there is none);
    // 0 and false without a pay date.
    bool GetDaysToShip(std::string& text, std::int32_t* value = nullptr) const;

    // Fields by field ID.
    // The text an item shows for a field ID; "Unknown" and false for an unknown
    // ID or a value that is null or invalid. The status and storage folder are
    // named through `folders`, the open profile's folder tree, when there is one.
    bool GetFieldText(int fieldId, std::string& text,
                      const FolderNameLookup* folders = nullptr) const;
    // Sets a stored text, money, date or rating field from text with its setter
    // (the end date without a time-zone move); false for a value that does not
    // parse and for IDs without a setter.
    bool SetFieldText(int fieldId, std::string_view text);
    // The value of a money field, stored or computed (529, 535); nothing for
    // other IDs.
    std::optional<gb::Money> GetMoneyValue(int fieldId) const;
    // Stores the value of a stored money field; false for other IDs.
    bool SetMoneyValue(int fieldId, const gb::Money& value);
    // The whole stored value of a date field; nothing for other IDs.
    std::optional<gb::DateTime> GetDateValue(int fieldId) const;

    // Storage folder, state and status.
    std::int32_t GetStorageFolder() const { return storageFolder_; }
    void SetFolderId(std::int32_t folderId) { storageFolder_ = folderId; }
    // The storage folder's name, or "Unknown" (and false) when the profile has
    // no such folder.
    bool GetFolder(std::string& name, const FolderNameLookup* folders,
                   std::int32_t* folderId = nullptr) const;

    // The state list that holds the item: 102, 103, 107, 110, or 0 for none.
    std::int32_t GetState() const { return state_; }
    // Accepts 102, 103, 107 and 110; anything else sets 0 and gives false.
    bool SetState(std::int32_t list);

    std::int32_t GetStatus() const { return status_; }
    // Also names the status: "In Progress" for 102, the status folder's name,
    // or "Needs Attention" when the profile has no such folder.
    std::int32_t GetStatus(std::string& name, const FolderNameLookup* folders) const;
    // An item in progress (102) changes its status only when forced; the
    // result is then `force`.
    bool SetStatus(std::int32_t statusId, bool force);

    bool IsStoreItem() const { return storeItem_; }
    bool SetStoreItem(bool storeItem);

    // A successful item: it has a buyer, and either no valid reserve or a valid
    // max bid of at least the reserve.
    bool IsSold() const;

    // The list view's icon: 1-2 in progress, 3-4 ended unsold, 5-6 ended sold,
    // 7-8 archive, 9-10 deleted (the second of each for store items), 0 for none.
    int GetDisplayState() const;

    // Categories: folder IDs kept in ascending order without duplicates. An
    // item without categories belongs to 117 "No Category".
    // Adding 117 or 0 removes all categories; a 21st category is refused.
    bool AddCategory(std::int32_t categoryId);
    bool HasCategory(std::int32_t categoryId) const;
    bool RemoveCategory(std::int32_t categoryId);
    std::span<const std::int32_t> GetCategories() const {
        return {categories_.data(), static_cast<std::size_t>(categoryCount_)};
    }

    // Fee-schedule entries (0-31) itemized on this item as charges to the
    // buyer or as seller fees. Adding an entry already present, or a number
    // outside 0-31, gives false.
    bool AddItemizedCharge(int entry) { return AddCode(itemizedCharges_, entry); }
    bool AddItemizedFee(int entry) { return AddCode(itemizedFees_, entry); }
    bool HasItemizedCharge(int entry) const { return HasCode(itemizedCharges_, entry); }
    bool HasItemizedFee(int entry) const { return HasCode(itemizedFees_, entry); }
    void ClearItemizedCharges() { itemizedCharges_.clear(); }
    void ClearItemizedFees() { itemizedFees_.clear(); }

    // The record in the layout of the archive's file version when loading; the
    // current layout when storing. The state is not part of it.
    void Serialize(gb::Archive& ar);

    // Every field, the state included.
    bool operator==(const CAucItem&) const = default;

private:
    enum class DateShape { DateOnly, DateAndTime, TimeOfDay, Updated };
    struct FieldDescriptor;

    static const FieldDescriptor* FindField(int fieldId);

    static bool SetText(std::string& target, std::string_view text);
    static bool GetMoney(const gb::Money& value, std::string& text, gb::Money* out);
    static bool SetMoney(gb::Money& target, std::string_view text);
    static bool SetMoneyAfterWord(gb::Money& target, std::string_view text);
    static bool GetDate(const gb::DateTime& value, DateShape shape, std::string& text,
                        gb::DateTime* out);
    static bool SetDate(gb::DateTime& target, std::string_view text);
    static bool AddCode(std::string& codes, int entry);
    static bool HasCode(const std::string& codes, int entry);

    gb::Money InvoiceAmt() const;
    gb::Money TotalFees() const;
    std::string ShippingAddressLine(int line) const;
    void ReadCategoryCount(gb::Archive& ar);

    std::int32_t state_ = 0;
    std::int32_t status_ = folder::NeedsAttention;
    std::int32_t storageFolder_ = folder::Auctions;
    std::string site_;
    std::string sellerId_;
    std::string auctionId_ = "NEW ITEM";
    std::string description_ = "New Inventory to Add";
    std::string auctionType_;
    bool storeItem_ = false;
    gb::DateTime startDate_;
    gb::DateTime endDate_;
    gb::Money minBid_;
    gb::Money maxBid_;
    gb::Money itemCost_;
    std::string buyerId_;
    std::string email_;
    std::int32_t rating_ = 0;
    std::string shippingAddress_;  // lines separated by CR or CR LF
    std::string weight_;
    std::string shippingMethod_;
    gb::Money shCharge_;
    gb::Money insuranceCost_;
    gb::Money shipCost_;
    gb::DateTime shipDate_;
    gb::Money amtReceived_ = gb::Money::Null();
    gb::Money transactionFee_;
    std::string paymentMethod_;
    gb::DateTime payDate_;
    std::string feedback_;
    std::string itemizedCharges_;  // code strings, encoded like a column set
    std::string itemizedFees_;
    gb::Money reserveAmt_;
    gb::Money otherCharges_;
    gb::Money insertionFee_ = gb::Money::Null();
    gb::Money finalFee_;
    gb::Money otherFees_;
    std::string itemNote_;
    std::string invoiceNote_;
    std::string shippingNote_;
    std::string payNote_;
    std::string feeNote_;
    std::string chargeNote_;
    std::int32_t categoryCount_ = 0;
    std::array<std::int32_t, kMaxCategories> categories_{};  // slots past the count are 0
    gb::DateTime updated_;
};

}  // namespace gb::itemdb
