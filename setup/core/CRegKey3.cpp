#include "setup/core/CRegKey3.h"

#include <filesystem>
#include <vector>

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

bool CRegKey3::Write(std::string_view subKey, std::string_view name,
                     const std::function<bool(const std::string& key)>& write) {
    const std::filesystem::path& file = root_.File();
    const bool created = !std::filesystem::exists(file);
    const std::vector<std::filesystem::path> missing =
        InstallRecord::MissingFolders(file.parent_path());
    const std::string key = KeyOf(subKey);
    if (!write(key)) {
        return false;
    }
    if (record_ != nullptr) {
        record_->AddFolders(missing);
        record_->AddValue(root_, key, name, created);
    }
    return true;
}

bool CRegKey3::WriteDword(std::string_view subKey, std::string_view name, std::uint32_t value) {
    return Write(subKey, name,
                 [&](const std::string& key) { return root_.SetNumber(key, name, value); });
}

bool CRegKey3::WriteString(std::string_view subKey, std::string_view name, std::string_view text) {
    return Write(subKey, name,
                 [&](const std::string& key) { return root_.SetString(key, name, text); });
}

std::string CRegKey3::ReadString(std::string_view subKey, std::string_view name,
                                 std::string_view fallback) const {
    return root_.GetString(KeyOf(subKey), name, fallback);
}

bool CRegKey3::HasValue(std::string_view subKey, std::string_view name) const {
    return root_.GetValue(KeyOf(subKey), name).has_value();
}

}  // namespace gb::setup
