#pragma once
// The value lists of the drop-down item fields, kept per machine under
// "Combos": which fields have one, how a list is stored, and what a value
// entered for it becomes.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gb::app {
class MachineProfile;
}  // namespace gb::app

namespace gb::app {

struct ComboField {
    int nameId = 0;  // the field's name string, also the stored value's name
    bool monetary = false;
};

// The fields with a value list, in the order the dialog adds them.
const std::vector<ComboField>& ComboFields();

// The stored text of a list: each value without its ';', followed by ';'.
std::string JoinComboValues(const std::vector<std::string>& values);

// Reads the lists (of any length) and writes back only the lists that
// changed since they were read: an emptied list as the number 0, any other as
// its text. A list never read is never written.
class ComboListStore {
public:
    explicit ComboListStore(gb::app::MachineProfile& profile) : profile_(profile) {}

    std::vector<std::string> Load(const ComboField& field);
    // False when a changed list could not be written.
    bool Save(const ComboField& field, const std::vector<std::string>& values);

private:
    gb::app::MachineProfile& profile_;
    // The stored form of every list as last read or written, by name.
    std::map<int, std::string> known_;
};

// A value entered for a field's list: a monetary value is read as an amount
// in the user's currency and written back in its format. Nothing when the
// value is refused (empty, or no amount); `askAmount` then says whether to
// ask for a monetary amount.
struct ListValueCheck {
    std::optional<std::string> value;
    bool askAmount = false;
};
ListValueCheck CheckListValue(std::string_view text, bool monetary);

}  // namespace gb::app
