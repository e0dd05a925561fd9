#pragma once
// One seller ID of a profile: the auction site it belongs to, its password,
// whether the update run retrieves it, when it was last updated, the hours
// added to the end dates of its rows, and the folder its items are stored in.

#include <cstdint>
#include <string>

#include "platform/DateTime.h"

namespace gb::itemdb {

class CSellerEntry {
public:
    std::string sellerId;
    std::string password;     // as typed; empty for a seller who is only watched
    std::string siteName;     // the site class's display name, e.g. "eBay USA"
    std::string siteClsid;    // the site class's id, "{...}"
    gb::DateTime lastUpdate;  // local time of the last successful update; null: never
    std::int32_t active = 1;
    std::string displayName;  // the name of the seller's folder
    std::int32_t folderId = 0;
    std::int32_t timeZoneAdjust = 0;  // hours
    // Two texts kept in the file without any other use.
    std::string reserved1;
    std::string reserved2;

    bool operator==(const CSellerEntry&) const = default;
};

}  // namespace gb::itemdb
