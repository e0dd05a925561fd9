#include "app/core/MachineProfile.h"

#include <algorithm>

#include "app/core/AppSettings.h"
#include "app/core/UiStrings.h"
#include "platform/Settings.h"

namespace gb::app {

bool MachineProfile::WriteString(std::string_view section, std::string_view name,
                                 std::string_view text) {
    return machine_.SetString(SectionKey(section), name, text);
}

bool MachineProfile::WriteValue(std::string_view section, std::string_view name,
                                std::uint32_t value) {
    return machine_.SetNumber(SectionKey(section), name, value);
}

std::string MachineProfile::GetString(std::string_view section, std::string_view name,
                                      std::string_view fallback) const {
    return machine_.GetString(SectionKey(section), name, fallback);
}

std::vector<std::string> MachineProfile::GetComboValues(int fieldNameId) const {
    const std::string stored = GetString(section::Combos, UiText(fieldNameId), ";");
    std::vector<std::string> values;
    std::size_t start = 0;
    while (start <= stored.size()) {
        const std::size_t end = std::min(stored.find(';', start), stored.size());
        if (end > start) {
            values.push_back(stored.substr(start, end - start));
        }
        start = end + 1;
    }
    return values;
}

}  // namespace gb::app
