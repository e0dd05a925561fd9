#pragma once
// What the profile document tells the application about the open profile:
// which document is current, the profile's path, and the profile file version
// in use (the version being read while a profile loads, 272252 otherwise).

#include <cstdint>
#include <filesystem>

namespace gb::itemdb {

class CAucDoc;

class ProfileHost {
public:
    // Null while the document is emptied.
    virtual void SetCurrentDocument(CAucDoc* document) = 0;
    virtual void SetProfilePath(const std::filesystem::path& path) = 0;
    virtual void SetFileVersion(std::int32_t version) = 0;

protected:
    ~ProfileHost() = default;
};

}  // namespace gb::itemdb
