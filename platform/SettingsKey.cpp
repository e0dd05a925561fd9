#include "platform/SettingsKey.h"

#include <algorithm>

#include "platform/Cp1252.h"

namespace gb {

bool SettingsKey::NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return cp1252::CompareNoCase(a, b) < 0;
}

const SettingsValue* SettingsKey::FindValue(std::string_view name) const {
    const auto found = std::find_if(values_.begin(), values_.end(), [&](const NamedValue& v) {
        return cp1252::EqualsNoCase(v.first, name);
    });
    return found == values_.end() ? nullptr : &found->second;
}

void SettingsKey::SetValue(std::string_view name, SettingsValue value) {
    const auto found = std::find_if(values_.begin(), values_.end(), [&](const NamedValue& v) {
        return cp1252::EqualsNoCase(v.first, name);
    });
    if (found != values_.end()) {
        found->second = std::move(value);
    } else {
        values_.emplace_back(std::string(name), std::move(value));
    }
}

bool SettingsKey::RemoveValue(std::string_view name) {
    const auto found = std::find_if(values_.begin(), values_.end(), [&](const NamedValue& v) {
        return cp1252::EqualsNoCase(v.first, name);
    });
    if (found == values_.end()) {
        return false;
    }
    values_.erase(found);
    return true;
}

std::vector<std::string_view> SettingsKey::SplitPath(std::string_view path) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const std::size_t separator = path.find('\\');
        const std::string_view name = path.substr(0, separator);
        if (!name.empty()) {
            names.push_back(name);
        }
        if (separator == std::string_view::npos) {
            break;
        }
        path.remove_prefix(separator + 1);
    }
    return names;
}

const SettingsKey* SettingsKey::FindKey(std::string_view path) const {
    const SettingsKey* key = this;
    for (const std::string_view name : SplitPath(path)) {
        const auto found = key->subKeys_.find(name);
        if (found == key->subKeys_.end()) {
            return nullptr;
        }
        key = found->second.get();
    }
    return key;
}

SettingsKey* SettingsKey::FindKey(std::string_view path) {
    return const_cast<SettingsKey*>(std::as_const(*this).FindKey(path));
}

SettingsKey& SettingsKey::CreateKey(std::string_view path) {
    SettingsKey* key = this;
    for (const std::string_view name : SplitPath(path)) {
        auto found = key->subKeys_.find(name);
        if (found == key->subKeys_.end()) {
            found =
                key->subKeys_
                    .emplace(std::string(name), std::make_unique<SettingsKey>(std::string(name)))
                    .first;
        }
        key = found->second.get();
    }
    return *key;
}

bool SettingsKey::RemoveKey(std::string_view path) {
    const std::vector<std::string_view> names = SplitPath(path);
    if (names.empty()) {
        return false;
    }
    SettingsKey* parent = this;
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        const auto found = parent->subKeys_.find(names[i]);
        if (found == parent->subKeys_.end()) {
            return false;
        }
        parent = found->second.get();
    }
    const auto found = parent->subKeys_.find(names.back());
    if (found == parent->subKeys_.end()) {
        return false;
    }
    parent->subKeys_.erase(found);
    return true;
}

std::vector<const SettingsKey*> SettingsKey::SubKeys() const {
    std::vector<const SettingsKey*> keys;
    keys.reserve(subKeys_.size());
    for (const auto& entry : subKeys_) {
        keys.push_back(entry.second.get());
    }
    return keys;
}

}  // namespace gb
