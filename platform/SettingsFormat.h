#pragma once
// The text form of a settings file: UTF-8, one "[key\path]" line per key
// followed by its values as "name=text:..." or "name=number:..." lines. Bytes
// that would break a line's structure are written as '%' and two hex digits.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/SettingsKey.h"

namespace gb {

std::string FormatSettings(const SettingsKey& root);

struct ParsedSettings {
    SettingsKey root;
    // Lines that could not be read; they are left out of `root`.
    std::size_t malformedLines = 0;
};

ParsedSettings ParseSettings(std::string_view fileText);

}  // namespace gb
