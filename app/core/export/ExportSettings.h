#pragma once
// The export dialog's choices, kept in the user's settings (section "Export"):
// the layout, the columns and the target file.

#include <string>

#include "app/core/export/ExportType.h"

namespace gb {
class Settings;
}  // namespace gb

namespace gb::app {

struct ExportSettings {
    ExportType type = ExportType::Separated;
    std::string columns;  // a column-set text
    std::string target;

    // The stored choices; a missing value gives its default (type 0, the
    // standard column set 499, "Export.txt"), a stored type outside 0-2 gives 0.
    static ExportSettings Load(const gb::Settings& user);
    // False when the settings cannot be written.
    bool Save(gb::Settings& user) const;

    bool operator==(const ExportSettings&) const = default;
};

}  // namespace gb::app
