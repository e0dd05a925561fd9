#include "itemdb/SellerList.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "itemdb/FolderKind.h"
#include "itemdb/LotkeeperStrings.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/Locale.h"

namespace gb::itemdb {

namespace {

// Site names all begin with "eBay "; a display name shows what follows it.
constexpr std::size_t kSitePrefixLength = 5;
constexpr std::int64_t kHoursPerDay = 24;

std::string CutDisplayName(std::string_view name) {
    return std::string(name.substr(0, CSellerList::kMaxDisplayName));
}

void TransferEntry(gb::Archive& ar, CSellerEntry& entry) {
    ar.Transfer(entry.active);
    ar.Transfer(entry.timeZoneAdjust);
    ar.Transfer(entry.displayName);
    ar.Transfer(entry.folderId);
    ar.Transfer(entry.lastUpdate);
    ar.Transfer(entry.siteName);
    ar.Transfer(entry.siteClsid);
    ar.Transfer(entry.reserved1);
    ar.Transfer(entry.reserved2);
    ar.Transfer(entry.sellerId);
    ar.Transfer(entry.password);
}

}  // namespace

const CSellerEntry& CSellerList::Current() const {
    if (current_ < 0 || current_ >= GetCount()) {
        throw std::out_of_range("no current seller entry");
    }
    return entries_[static_cast<std::size_t>(current_)];
}

CSellerEntry& CSellerList::Current() {
    return const_cast<CSellerEntry&>(std::as_const(*this).Current());
}

bool CSellerList::SetCurrent(int index) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    current_ = index;
    return true;
}

void CSellerList::SetActive(std::int32_t active) {
    CSellerEntry& entry = Current();
    if (entry.active != active) {
        entry.active = active;
        modified_ = true;
    }
}

void CSellerList::SetTimeZoneAdjust(std::int32_t hours) {
    CSellerEntry& entry = Current();
    if (entry.timeZoneAdjust != hours) {
        entry.timeZoneAdjust = hours;
        modified_ = true;
    }
}

void CSellerList::SetFolderId(std::int32_t folderId) {
    Current().folderId = folderId;
}

void CSellerList::SetPassword(std::string_view password) {
    Current().password = password;
}

bool CSellerList::SetDisplayName(std::string_view name) {
    const std::string stored = name.empty() ? LoadString(folder::Auctions) : CutDisplayName(name);
    CSellerEntry& entry = Current();
    if (gb::cp1252::EqualsNoCase(entry.displayName, stored)) {
        return false;
    }
    entry.displayName = stored;
    modified_ = true;
    return true;
}

void CSellerList::SetLastUpdate(int days) {
    CSellerEntry& entry = Current();
    entry.lastUpdate =
        days < 0 ? gb::DateTime::Null() : gb::Clock::Now().AddHours(-kHoursPerDay * days);
}

std::int32_t CSellerList::GetDaysToRetrieve() const {
    const auto days = gb::DateTime::WholeDaysBetween(Current().lastUpdate, gb::Clock::Now());
    if (!days) {
        return kDaysWithoutUpdate;
    }
    const std::int64_t span =
        std::clamp<std::int64_t>(*days + 1, 1, std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(span);
}

std::string CSellerList::GetLastUpdateText() const {
    const gb::DateTime& lastUpdate = Current().lastUpdate;
    if (!lastUpdate.IsValid()) {
        return LoadString(string_id::Unknown);
    }
    return gb::FormatDateTime(lastUpdate, gb::kLocaleUserDefault);
}

int CSellerList::AddSeller(std::string_view sellerId, std::string_view siteName,
                           std::string_view siteClsid) {
    modified_ = true;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        current_ = static_cast<int>(i);
        if (entries_[i].siteName == siteName &&
            gb::cp1252::EqualsNoCase(entries_[i].sellerId, sellerId)) {
            return current_;
        }
    }
    CSellerEntry entry;
    entry.sellerId = sellerId;
    entry.siteName = siteName;
    entry.siteClsid = siteClsid;
    const std::string_view siteSuffix =
        siteName.size() > kSitePrefixLength ? siteName.substr(kSitePrefixLength) : "";
    entry.displayName = CutDisplayName(std::string(sellerId) + " - " + std::string(siteSuffix));
    entries_.push_back(std::move(entry));
    current_ = GetCount() - 1;
    return current_;
}

bool CSellerList::RemoveAt(int index) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    entries_.erase(entries_.begin() + index);
    current_ = std::min(current_, std::max(GetCount() - 1, 0));
    modified_ = true;
    return true;
}

void CSellerList::RemoveAll() {
    entries_.clear();
    modified_ = false;
}

void CSellerList::Serialize(gb::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(GetCount());
        for (CSellerEntry& entry : entries_) {
            TransferEntry(ar, entry);
        }
    } else {
        entries_.clear();
        const std::int32_t count = ar.ReadInt32();
        if (count < 0) {
            throw gb::ArchiveException(gb::ArchiveException::Cause::Generic, ar.FileName());
        }
        // Entries are appended as they are read, so a count larger than the
        // file holds ends in an archive exception, not in a huge allocation.
        for (std::int32_t i = 0; i < count; ++i) {
            CSellerEntry entry;
            TransferEntry(ar, entry);
            entries_.push_back(std::move(entry));
        }
    }
    modified_ = false;
}

}  // namespace gb::itemdb
