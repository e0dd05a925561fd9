#include "app/core/profile/ProfileEditing.h"

#include <algorithm>

#include "itemdb/AucDoc.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::CSellerList;

namespace gb::app {

std::vector<SellerRow> ProfileEditing::Rows() const {
    CSellerList& sellers = document_.GetSellerList();
    const int current = sellers.GetCurrent();
    std::vector<SellerRow> rows;
    for (int i = 0; i < sellers.GetCount(); ++i) {
        sellers.SetCurrent(i);
        rows.push_back({sellers.GetSellerId(), sellers.GetSite()});
    }
    sellers.SetCurrent(current);
    return rows;
}

void ProfileEditing::WriteBack(const SellerForm& typed) {
    CSellerList& sellers = document_.GetSellerList();
    if (current_ < 0 || !sellers.SetCurrent(current_)) {
        return;
    }
    sellers.SetDisplayName(typed.storageFolder.substr(0, kMaxStorageFolder));
    sellers.SetActive(typed.active ? 1 : 0);
    sellers.SetTimeZoneAdjust(std::clamp(typed.timeZoneHours, kMinHours, kMaxHours));
}

SellerForm ProfileEditing::Show(int index) {
    CSellerList& sellers = document_.GetSellerList();
    index = std::min(index, sellers.GetCount() - 1);
    if (index < 0 || !sellers.SetCurrent(index)) {
        current_ = -1;
        return {};
    }
    current_ = index;
    return {sellers.GetDisplayName(), sellers.IsActive() != 0, sellers.GetTimeZoneAdjust(),
            sellers.GetLastUpdateText()};
}

SellerForm ProfileEditing::Choose(int index, const SellerForm& typed) {
    WriteBack(typed);
    return Show(index);
}

SellerForm ProfileEditing::Reload(int index) {
    current_ = -1;
    return Show(std::max(index, 0));
}

int ProfileEditing::AddSeller(std::string_view profileName, const SellerForm& typed,
                              const NewSellerId& seller) {
    document_.SetProfileName(profileName.substr(0, kMaxProfileName));
    WriteBack(typed);
    CSellerList& sellers = document_.GetSellerList();
    const int index = sellers.AddSeller(seller.sellerId, seller.siteName, seller.siteClsid);
    sellers.SetPassword(seller.password);
    sellers.SetLastUpdate(seller.fastRetrieval ? kFastRetrievalDays : kFullRetrievalDays);
    current_ = index;
    return index;
}

int ProfileEditing::RemoveCurrent() {
    CSellerList& sellers = document_.GetSellerList();
    if (current_ < 0 || !sellers.RemoveAt(current_)) {
        return current_;
    }
    const int next = std::min(current_, sellers.GetCount() - 1);
    current_ = -1;
    return next;
}

bool ProfileEditing::CanLeave(std::string_view profileName) const {
    return !profileName.empty() && current_ >= 0;
}

bool ProfileEditing::StoreChanges(std::string_view profileName, const SellerForm& typed) {
    if (!profileName.empty()) {
        document_.SetProfileName(profileName.substr(0, kMaxProfileName));
    }
    WriteBack(typed);
    if (!document_.IsModified()) {
        return false;
    }
    document_.EnsureSellerFolders();
    return true;
}

}  // namespace gb::app
