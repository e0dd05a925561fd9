#pragma once
// The names the Add Fields dialog lists and the tokens it inserts: the item
// fields by name, and the fee schedule's active charges, seller fees and
// display-only amounts by name followed by "*".

#include <string>
#include <string_view>
#include <vector>

namespace gb::itemdb {
class CFeeSchedule;
}

namespace gb::editor {

// The 49 item-field names and the active calculated fields (charges, seller
// fees and display-only entries, in display order, each name with "*").
std::vector<std::string> FieldNames(gb::itemdb::CFeeSchedule& schedule);

// "[" + the name with every blank and "&" written as "_" + "] ".
std::string FieldToken(std::string_view name);

}  // namespace gb::editor
