#pragma once
// The export dialog's choices, kept in the user's settings (section "Export"):
// the layout, the columns and the target file.

#include <filesystem>
#include <string>

#include "app/core/export/ExportType.h"

namespace gb {
class Settings;
}  // namespace gb

namespace gb::app {

struct ExportSettings {
    ExportType type = ExportType::Separated;
    std::string columns;  // a column-set text
    std::string target;   // the file system's bytes of the path, not 1252 text

    // The stored choices; a missing value gives its default (type 0, the
    // standard column set 499, "Export.txt"), a stored type outside 0-2 gives
    // 0. A target that is not an absolute path is taken in `documentsFolder`
    // (the user's documents), never in whatever folder the program runs in.
    static ExportSettings Load(const gb::Settings& user,
                               const std::filesystem::path& documentsFolder);
    // False when the settings cannot be written.
    bool Save(gb::Settings& user) const;

    bool operator==(const ExportSettings&) const = default;
};

}  // namespace gb::app
