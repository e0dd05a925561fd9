#include "platform/PathText.h"

#include <algorithm>

#include "platform/Cp1252.h"

namespace gb::paths {

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

std::string ShownText(const std::filesystem::path& path) {
    return cp1252::FromUtf8(path.string());
}

std::string ToSettingText(const std::filesystem::path& path) {
    const std::string bytes = path.string();
    if (!cp1252::IsUtf8(bytes)) {
        return bytes;
    }
    std::string text = cp1252::FromUtf8(bytes);
    return cp1252::ToUtf8(text) == bytes ? text : bytes;
}

std::filesystem::path FromSettingText(std::string_view text) {
    std::filesystem::path characters(cp1252::ToUtf8(text));
    if (IsAscii(text)) {
        return characters;
    }
    std::filesystem::path bytes{std::string(text)};
    const bool asBytes = cp1252::IsUtf8(text);
    const std::filesystem::path& likely = asBytes ? bytes : characters;
    const std::filesystem::path& other = asBytes ? characters : bytes;
    return !Exists(likely) && Exists(other) ? other : likely;
}

}  // namespace gb::paths
