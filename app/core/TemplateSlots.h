#pragma once
// The e-mail templates the menus offer for copying: the library's templates of
// the e-mail kind in library order, at most eleven, with the one the user
// chose last as the default.

#include <optional>
#include <string>
#include <vector>

namespace gb::itemdb {
class CTemplateLibrary;
}  // namespace gb::itemdb

namespace gb::app {

struct TemplateSlots {
    static constexpr std::size_t kMaxSlots = 11;

    std::vector<std::string> names;  // slot k runs command 32860 + k
    std::vector<int> indexes;        // the library index of each slot's template
    std::optional<std::size_t> defaultSlot;

    // `currentIndex`: the library index of the template chosen last.
    static TemplateSlots From(const gb::itemdb::CTemplateLibrary& library, int currentIndex);
};

}  // namespace gb::app
