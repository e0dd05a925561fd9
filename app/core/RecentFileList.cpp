#include "app/core/RecentFileList.h"

#include <algorithm>

#include "app/core/AppSettings.h"
#include "platform/PathText.h"
#include "platform/Settings.h"

namespace gb::app {

std::filesystem::path AbsoluteProfilePath(const std::filesystem::path& path) {
    if (path.empty()) {
        return path;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

std::string RecentFileList::ValueName(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

void RecentFileList::Load(const gb::Settings& user) {
    entries_.clear();
    const std::string key = SectionKey(section::RecentFiles);
    for (std::size_t i = 0; i < size_; ++i) {
        const std::string text = user.GetString(key, ValueName(i));
        if (text.empty()) {
            continue;
        }
        const std::filesystem::path path = gb::paths::FromSettingText(text);
        if (std::find(entries_.begin(), entries_.end(), path) == entries_.end()) {
            entries_.push_back(path);
        }
    }
}

bool RecentFileList::Save(gb::Settings& user) const {
    const std::string key = SectionKey(section::RecentFiles);
    return user.Edit([&](gb::SettingsKey& root) {
        gb::SettingsKey& recent = root.CreateKey(key);
        for (std::size_t i = 0; i < size_; ++i) {
            recent.SetValue(ValueName(i),
                            gb::SettingsValue::Text(
                                i < entries_.size() ? gb::paths::ToSettingText(entries_[i]) : ""));
        }
        return true;
    });
}

void RecentFileList::Add(const std::filesystem::path& given) {
    if (given.empty()) {
        return;
    }
    const std::filesystem::path path = AbsoluteProfilePath(given);
    std::erase(entries_, path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > size_) {
        entries_.resize(size_);
    }
}

void RecentFileList::Remove(std::size_t index) {
    if (index < entries_.size()) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::string RecentFileList::MenuText(std::size_t index) const {
    std::string text = "&" + std::to_string(index + 1) + " ";
    if (index < entries_.size()) {
        for (char c : gb::paths::ShownText(entries_[index])) {
            text += c;
            if (c == '&') {
                text += '&';
            }
        }
    }
    return text;
}

}  // namespace gb::app
