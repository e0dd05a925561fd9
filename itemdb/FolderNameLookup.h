#pragma once
// The names of the open profile's folders, for the texts of an item's status
// and storage folder. The folder tree answers it; without an open profile
// there is none.

#include <cstdint>
#include <optional>
#include <string>

namespace gb::itemdb {

class FolderNameLookup {
public:
    // The name of the folder with this ID, when the profile has one.
    virtual std::optional<std::string> FolderName(std::int32_t folderId) const = 0;

protected:
    ~FolderNameLookup() = default;
};

}  // namespace gb::itemdb
