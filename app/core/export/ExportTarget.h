#pragma once
// The export file's path: its extension follows the layout, and before an
// export the file must be writable.

#include <filesystem>
#include <string>
#include <string_view>

#include "app/core/export/ExportType.h"

namespace gb::app {

// Replaces the extension of the path's file name (the text after its last
// '.') by `extension`; a file name without a '.' after its first character
// gets '.' and the extension. Dots in folder names do not count. A path of
// one character is kept as it is.
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// Whether a file (or anything else) already has the path.
bool TargetExists(const std::filesystem::path& path);

// Whether the file can be written, tried without changing anything: an
// existing file is opened for appending, a new one is created and removed.
bool CanWriteTarget(const std::filesystem::path& path);

}  // namespace gb::app
