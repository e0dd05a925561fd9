#pragma once
// One key of a settings root below "Software": a \ b \ c, as the installer
// writes its values. Every value written is noted in the installation's
// record, with the settings file and folders the write created, so the
// uninstaller can take them away again.

#include <cstdint>
#include <functional>
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
    // Writes one value by `write` (given the full key) and notes it, with the
    // settings file and folders the write created, in the record.
    bool Write(std::string_view subKey, std::string_view name,
               const std::function<bool(const std::string& key)>& write);

    Settings& root_;
    std::string path_;
    InstallRecord* record_;
};

}  // namespace gb::setup
