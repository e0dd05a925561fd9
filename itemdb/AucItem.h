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
#include "itemdb/PackedTexts.h"
#include "platform/Archive.h"
#include "platform/DateTime.h"
#include "platform/Money.h"

namespace gb::itemdb {

class FolderNameLookup;

class CAucItem {
public:
    static constexpr int kMaxCategories = 20;

    CAucItem();

    // Key comparisons, the whole ordering contract of the item lists: the lists
    // are sorted by auction ID alone, and the site only decides equality. Both
    // are compared case-insensitively.
    bool IsSameKey(const CAucItem& other) const;
    // This auction ID sorts before the other's, or both keys are the same.
    bool IsBeforeOrSame(const CAucItem& other) const;
    // This auction ID sorts after the other's; the site plays no part.
    bool IsAfter(const CAucItem& other) const;

    // Text fields. A text stays valid until a text of the item changes.
    std::string_view GetAuctionId() const { return texts_.Get(TextField::AuctionId); }
    std::string_view GetDescription() const { return texts_.Get(TextField::Description); }
    std::string_view GetBuyerId() const { return texts_.Get(TextField::BuyerId); }
    std::string_view GetSellerId() const { return texts_.Get(TextField::SellerId); }
    std::string_view GetEmail() const { return texts_.Get(TextField::Email); }
    std::string_view GetSite() const { return texts_.Get(TextField::Site); }
    std::string_view GetAuctionType() const { return texts_.Get(TextField::AuctionType); }
    std::string_view GetShippingAddress() const { return texts_.Get(TextField::ShippingAddress); }
    std::string_view GetWeight() const { return texts_.Get(TextField::Weight); }
    std::string_view GetShippingMethod() const { return texts_.Get(TextField::ShippingMethod); }
    std::string_view GetPaymentMethod() const { return texts_.Get(TextField::PaymentMethod); }
    std::string_view GetFeedback() const { return texts_.Get(TextField::Feedback); }
    std::string_view GetItemNote() const { return texts_.Get(TextField::ItemNote); }
    std::string_view GetInvoiceNote() const { return texts_.Get(TextField::InvoiceNote); }
    std::string_view GetShippingNote() const { return texts_.Get(TextField::ShippingNote); }
    std::string_view GetPayNote() const { return texts_.Get(TextField::PayNote); }
    std::string_view GetFeeNote() const { return texts_.Get(TextField::FeeNote); }
    std::string_view GetChargeNote() const { return texts_.Get(TextField::ChargeNote); }

    bool SetAuctionId(std::string_view text) { return SetText(TextField::AuctionId, text); }
    bool SetDescription(std::string_view text) { return SetText(TextField::Description, text); }
    bool SetBuyerId(std::string_view text) { return SetText(TextField::BuyerId, text); }
    bool SetSellerId(std::string_view text) { return SetText(TextField::SellerId, text); }
    bool SetEmail(std::string_view text) { return SetText(TextField::Email, text); }
    bool SetSite(std::string_view text) { return SetText(TextField::Site, text); }
    bool SetAuctionType(std::string_view text) { return SetText(TextField::AuctionType, text); }
    bool SetShippingAddress(std::string_view text) {
        return SetText(TextField::ShippingAddress, text);
    }
    bool SetWeight(std::string_view text) { return SetText(TextField::Weight, text); }
    bool SetShippingMethod(std::string_view text) {
        return SetText(TextField::ShippingMethod, text);
    }
    bool SetPaymentMethod(std::string_view text) { return SetText(TextField::PaymentMethod, text); }
    bool SetFeedback(std::string_view text) { return SetText(TextField::Feedback, text); }
    bool SetItemNote(std::string_view text) { return SetText(TextField::ItemNote, text); }
    bool SetInvoiceNote(std::string_view text) { return SetText(TextField::InvoiceNote, text); }
    bool SetShippingNote(std::string_view text) { return SetText(TextField::ShippingNote, text); }
    bool SetPayNote(std::string_view text) { return SetText(TextField::PayNote, text); }
    bool SetFeeNote(std::string_view text) { return SetText(TextField::FeeNote, text); }
    bool SetChargeNote(std::string_view text) { return SetText(TextField::ChargeNote, text); }

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
    bool AddItemizedCharge(int entry) { return AddCode(TextField::ItemizedCharges, entry); }
    bool AddItemizedFee(int entry) { return AddCode(TextField::ItemizedFees, entry); }
    bool HasItemizedCharge(int entry) const { return HasCode(TextField::ItemizedCharges, entry); }
    bool HasItemizedFee(int entry) const { return HasCode(TextField::ItemizedFees, entry); }
    void ClearItemizedCharges() { texts_.Set(TextField::ItemizedCharges, {}); }
    void ClearItemizedFees() { texts_.Set(TextField::ItemizedFees, {}); }

    // The record in the layout of the archive's file version when loading; the
    // current layout when storing. The state is not part of it.
    void Serialize(gb::Archive& ar);
    void Store(gb::Archive& ar) const;
    void Load(gb::Archive& ar);

    // Stores onto this item every field in which `edited` differs from
    // `original`, its copy before the edit: what changed the item meanwhile
    // stays in the fields the edit left alone, and the edit wins where both
    // changed a field. The categories count as one field; the key and the
    // state stay this item's.
    void TakeEdits(const CAucItem& original, const CAucItem& edited);

    // Every field, the state included.
    bool operator==(const CAucItem&) const = default;

private:
    enum class DateShape { DateOnly, DateAndTime, TimeOfDay, Updated };
    struct FieldDescriptor;
    struct RecordSlot;

    static std::span<const RecordSlot> RecordLayout();

    // The text fields, in the order in which they are kept.
    struct TextField {
        enum Index : std::uint8_t {
            Site,
            SellerId,
            AuctionId,
            Description,
            AuctionType,
            BuyerId,
            Email,
            ShippingAddress,  // lines separated by CR or CR LF
            Weight,
            ShippingMethod,
            PaymentMethod,
            Feedback,
            ItemizedCharges,  // code strings, encoded like a column set
            ItemizedFees,
            ItemNote,
            InvoiceNote,
            ShippingNote,
            PayNote,
            FeeNote,
            ChargeNote,
            Count
        };
    };

    static const FieldDescriptor* FindField(int fieldId);

    bool SetText(TextField::Index field, std::string_view text) {
        texts_.Set(field, text);
        return true;
    }
    static bool GetMoney(const gb::Money& value, std::string& text, gb::Money* out);
    static bool SetMoney(gb::Money& target, std::string_view text);
    static bool SetMoneyAfterWord(gb::Money& target, std::string_view text);
    static bool GetDate(const gb::DateTime& value, DateShape shape, std::string& text,
                        gb::DateTime* out);
    static bool SetDate(gb::DateTime& target, std::string_view text);
    bool AddCode(TextField::Index codes, int entry);
    bool HasCode(TextField::Index codes, int entry) const;

    gb::Money InvoiceAmt() const;
    gb::Money TotalFees() const;
    std::string ShippingAddressLine(int line) const;
    void ReadCategoryCount(gb::Archive& ar);

    std::int32_t state_ = 0;
    std::int32_t status_ = folder::NeedsAttention;
    std::int32_t storageFolder_ = folder::Auctions;
    std::int32_t rating_ = 0;
    bool storeItem_ = false;
    PackedTexts<TextField::Count> texts_;
    gb::DateTime startDate_;
    gb::DateTime endDate_;
    gb::Money minBid_;
    gb::Money maxBid_;
    gb::Money itemCost_;
    gb::Money shCharge_;
    gb::Money insuranceCost_;
    gb::Money shipCost_;
    gb::DateTime shipDate_;
    gb::Money amtReceived_ = gb::Money::Null();
    gb::Money transactionFee_;
    gb::DateTime payDate_;
    gb::Money reserveAmt_;
    gb::Money otherCharges_;
    gb::Money insertionFee_ = gb::Money::Null();
    gb::Money finalFee_;
    gb::Money otherFees_;
    std::int32_t categoryCount_ = 0;
    std::array<std::int32_t, kMaxCategories> categories_{};  // slots past the count are 0
    gb::DateTime updated_;
};

}  // namespace gb::itemdb
