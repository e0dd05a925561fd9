#pragma once
// The program's values in the machine root, shared by everyone who uses the
// programs on this machine: above all the lists of the drop-down fields under
// "Combos", one value per field named by the field's display name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gb {
class Settings;
}

namespace gb::app {

class MachineProfile {
public:
    explicit MachineProfile(gb::Settings& machine) : machine_(machine) {}

    bool WriteString(std::string_view section, std::string_view name, std::string_view text);
    bool WriteValue(std::string_view section, std::string_view name, std::uint32_t value);
    // The whole stored text; `fallback` when the section or value is missing.
    // A number reads as the empty text.
    std::string GetString(std::string_view section, std::string_view name,
                          std::string_view fallback = {}) const;

    // The list of a drop-down field named by string `fieldNameId`: the value's
    // pieces between ';' that are not empty, in stored order, the text after
    // the last ';' included.
    std::vector<std::string> GetComboValues(int fieldNameId) const;

private:
    gb::Settings& machine_;
};

}  // namespace gb::app
