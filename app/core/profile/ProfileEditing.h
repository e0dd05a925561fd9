#pragma once
// The user profile form's work on the document: the profile name and the
// seller IDs with their storage folder, active flag and time-zone hours. The
// form shows one seller ID at a time (the current one); whatever the user
// typed for it is written back to its entry before another one is shown, a
// seller ID is added or the form is left.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

namespace gb::app {

// The seller fields of the form.
struct SellerForm {
    std::string storageFolder;
    bool active = false;
    std::int32_t timeZoneHours = 0;
    // Read-only: the last update, or "Unknown".
    std::string retrievedSince;

    bool operator==(const SellerForm&) const = default;
};

// A seller ID as the "Add New Seller ID" dialog gives it.
struct NewSellerId {
    std::string sellerId;
    std::string siteName;
    std::string siteClsid;
    std::string password;
    // Ask the site for the current listings only (one day) rather than for
    // all it still shows.
    bool fastRetrieval = true;
};

// One row of the seller list.
struct SellerRow {
    std::string sellerId;
    std::string site;

    bool operator==(const SellerRow&) const = default;
};

class ProfileEditing {
public:
    static constexpr std::size_t kMaxProfileName = 20;
    static constexpr std::size_t kMaxStorageFolder = 40;
    static constexpr std::int32_t kMinHours = -23;
    static constexpr std::int32_t kMaxHours = 23;
    // The days a new seller ID's first update asks for.
    static constexpr int kFastRetrievalDays = 1;
    static constexpr int kFullRetrievalDays = 31;

    explicit ProfileEditing(gb::itemdb::CAucDoc& document) : document_(document) {}

    std::vector<SellerRow> Rows() const;
    // The seller ID the form shows; -1 for none.
    int Current() const { return current_; }

    // Writes `typed` back to the current seller ID, then shows the one at
    // `index` and gives its fields (all empty without seller IDs).
    SellerForm Choose(int index, const SellerForm& typed);
    // Shows the one at `index`, capped to the list, dropping the form (after a
    // seller ID went, or for a fresh document).
    SellerForm Reload(int index);

    // Writes the typed fields and the profile name back first, then finds or
    // appends the seller ID, sets its password and its last update (one day
    // ago for fast retrieval, else 31 days ago). Gives its index.
    int AddSeller(std::string_view profileName, const SellerForm& typed, const NewSellerId& seller);
    // Removes the current seller ID; gives the index the list shows next (-1
    // when none is left).
    int RemoveCurrent();

    // The form may be left with a profile name and a seller ID shown.
    bool CanLeave(std::string_view profileName) const;
    // Stores the name and the typed fields; when the profile then counts as
    // modified its seller folders are brought up to date. Gives whether the
    // profile should be saved.
    bool StoreChanges(std::string_view profileName, const SellerForm& typed);

private:
    void WriteBack(const SellerForm& typed);
    SellerForm Show(int index);

    gb::itemdb::CAucDoc& document_;
    int current_ = -1;
};

}  // namespace gb::app
