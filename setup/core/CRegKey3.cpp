#include "setup/core/CRegKey3.h"

#include <filesystem>

#include "setup/core/InstallRecord.h"

namespace gb::setup {

CRegKey3::CRegKey3(Settings& root, std::string_view a, std::string_view b, std::string_view c,
                   InstallRecord* record)
    : root_(root), record_(record) {
    path_ = "Software\\";
    path_ += a;
    path_ += '\\';
    path_ += b;
    path_ += '\\';
    path_ += c;
}

std::string CRegKey3::KeyOf(std::string_view subKey) const {
    std::string key = path_;
    key += '\\';
    key += subKey;
    return key;
}

bool CRegKey3::Written(bool ok, bool created, std::string_view key, std::string_view name) {
    if (ok && record_ != nullptr) {
        record_->AddValue(root_, key, name, created);
    }
    return ok;
}

bool CRegKey3::WriteDword(std::string_view subKey, std::string_view name, std::uint32_t value) {
    const bool created = !std::filesystem::exists(root_.File());
    const std::string key = KeyOf(subKey);
    return Written(root_.SetNumber(key, name, value), created, key, name);
}

bool CRegKey3::WriteString(std::string_view subKey, std::string_view name, std::string_view text) {
    const bool created = !std::filesystem::exists(root_.File());
    const std::string key = KeyOf(subKey);
    return Written(root_.SetString(key, name, text), created, key, name);
}

std::string CRegKey3::ReadString(std::string_view subKey, std::string_view name,
                                 std::string_view fallback) const {
    return root_.GetString(KeyOf(subKey), name, fallback);
}

bool CRegKey3::HasValue(std::string_view subKey, std::string_view name) const {
    return root_.GetValue(KeyOf(subKey), name).has_value();
}

}  // namespace gb::setup
