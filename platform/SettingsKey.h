#pragma once
// One key of a settings tree: named values in the order they were first set and
// sub-keys ordered by name. Names of both match ignoring case (Windows-1252
// rules) and keep the spelling they were created with.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/SettingsValue.h"

namespace gb {

class SettingsKey {
public:
    using NamedValue = std::pair<std::string, SettingsValue>;

    explicit SettingsKey(std::string name = {}) : name_(std::move(name)) {}
    SettingsKey(SettingsKey&&) noexcept = default;
    SettingsKey& operator=(SettingsKey&&) noexcept = default;

    const std::string& Name() const { return name_; }

    // The empty name is the key's default value.
    const SettingsValue* FindValue(std::string_view name) const;
    void SetValue(std::string_view name, SettingsValue value);
    bool RemoveValue(std::string_view name);
    const std::vector<NamedValue>& Values() const { return values_; }

    // Paths below this key separate names by '\'; empty names are skipped, so
    // the empty path is this key itself.
    const SettingsKey* FindKey(std::string_view path) const;
    SettingsKey* FindKey(std::string_view path);
    SettingsKey& CreateKey(std::string_view path);
    // Removes the key with everything below it; false when there is none.
    bool RemoveKey(std::string_view path);
    std::vector<const SettingsKey*> SubKeys() const;
    bool HasSubKeys() const { return !subKeys_.empty(); }

    // The names of a key path in order, without empty ones.
    static std::vector<std::string_view> SplitPath(std::string_view path);

private:
    struct NoCaseLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::string name_;
    std::vector<NamedValue> values_;
    std::map<std::string, std::unique_ptr<SettingsKey>, NoCaseLess> subKeys_;
};

}  // namespace gb
