#pragma once
// The seller IDs of a profile in the order they were added. The entry
// operations act on the entry at the current index; with no entry there they
// throw std::out_of_range.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/SellerEntry.h"
#include "platform/Archive.h"

namespace gb::itemdb {

class CSellerList {
public:
    // Display names are cut to what a folder name holds, so that a seller's
    // folder is found again under the name it was made with.
    static constexpr std::size_t kMaxDisplayName = 59;
    // A span of days that covers every listing a site still shows.
    static constexpr std::int32_t kDaysWithoutUpdate = 31;

    int GetCount() const { return static_cast<int>(entries_.size()); }
    int GetCurrent() const { return current_; }
    // False (current index unchanged) outside 0..count-1.
    bool SetCurrent(int index);

    std::string GetSellerId() const { return Current().sellerId; }
    std::string GetPassword() const { return Current().password; }
    std::string GetDisplayName() const { return Current().displayName; }
    const std::string& GetSite() const { return Current().siteName; }
    const std::string& GetSiteClsid() const { return Current().siteClsid; }
    std::int32_t IsActive() const { return Current().active; }
    std::int32_t GetFolderId() const { return Current().folderId; }
    std::int32_t GetTimeZoneAdjust() const { return Current().timeZoneAdjust; }
    const gb::DateTime& GetLastUpdate() const { return Current().lastUpdate; }
    const CSellerEntry& GetEntry() const { return Current(); }

    // Mark the list modified when the value changes.
    void SetActive(std::int32_t active);
    void SetTimeZoneAdjust(std::int32_t hours);
    // Leave the modified flag alone.
    void SetFolderId(std::int32_t folderId);
    void SetPassword(std::string_view password);
    // An empty name stands for "Auctions". The name is stored, and the list
    // marked modified, when it differs from the old one ignoring case; the
    // result says whether it did.
    bool SetDisplayName(std::string_view name);

    // n below 0: never updated; otherwise now minus n days.
    void SetLastUpdate(int days);
    // The days to ask a site for: whole days since the last update plus one,
    // at least 1 (also when the last update lies in the future); 31 when there
    // has been none.
    std::int32_t GetDaysToRetrieve() const;
    // The last update as date and time in the user's format; "Unknown" when
    // there has been none.
    std::string GetLastUpdateText() const;

    // Selects the entry with this site name (exactly) and seller ID (ignoring
    // case), or appends a new active entry whose display name is the seller ID,
    // " - " and the site name after its first five characters ("eBay "). Marks
    // the list modified either way; gives the current index.
    int AddSeller(std::string_view sellerId, std::string_view siteName, std::string_view siteClsid);
    // False outside 0..count-1. The current index moves back onto the last
    // entry when it lay beyond it.
    bool RemoveAt(int index);
    void RemoveAll();

    bool IsModified() const { return modified_; }

    // Archive form: the count as int32, then the entries. Loading replaces the
    // entries (those read before a fault stay); both directions clear the
    // modified flag and keep the current index.
    void Serialize(gb::Archive& ar);

    bool operator==(const CSellerList& other) const { return entries_ == other.entries_; }

private:
    const CSellerEntry& Current() const;
    CSellerEntry& Current();

    bool modified_ = false;
    int current_ = 0;
    std::vector<CSellerEntry> entries_;
};

}  // namespace gb::itemdb
