#pragma once
// A path is the file system's bytes (UTF-8 here), while every text of the core
// is Windows-1252. These are the two places a path becomes text: shown to the
// user, and kept in the settings.

#include <filesystem>
#include <string>
#include <string_view>

namespace gb::paths {

// The path as a 1252 text to show: its characters, with '?' for each that
// 1252 cannot hold (and for bytes that are not UTF-8).
std::string ShownText(const std::filesystem::path& path);

// The path as a settings text: its characters when 1252 holds every one, so
// the settings file reads back as the name is written; otherwise its bytes
// unchanged, as earlier versions kept every path.
std::string ToSettingText(const std::filesystem::path& path);

// The path a settings text names. A text that is itself UTF-8 beyond ASCII is
// taken as bytes (an entry of an earlier version, or a name 1252 cannot hold),
// any other text as 1252 characters; when only the other reading names an
// existing file, that one (a name that is not UTF-8, a 1252 name that happens
// to read as UTF-8).
std::filesystem::path FromSettingText(std::string_view text);

}  // namespace gb::paths
