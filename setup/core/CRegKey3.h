#pragma once
// One key of a settings root below "Software": a \ b \ c, as the installer
// writes its values. Every value written is noted in the installation's
// record so the uninstaller can take it away again.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Settings.h"

namespace gb::setup {

class InstallRecord;

class CRegKey3 {
public:
    CRegKey3(Settings& root, std::string_view a, std::string_view b, std::string_view c,
             InstallRecord* record = nullptr);

    // Each writes one value in `subKey` below the held key; false when the
    // settings cannot be written.
    bool WriteDword(std::string_view subKey, std::string_view name, std::uint32_t value);
    bool WriteString(std::string_view subKey, std::string_view name, std::string_view text);
    std::string ReadString(std::string_view subKey, std::string_view name,
                           std::string_view fallback) const;
    bool HasValue(std::string_view subKey, std::string_view name) const;

    const std::string& Path() const { return path_; }

private:
    std::string KeyOf(std::string_view subKey) const;
    bool Written(bool ok, bool created, std::string_view key, std::string_view name);

    Settings& root_;
    std::string path_;
    InstallRecord* record_;
};

}  // namespace gb::setup
