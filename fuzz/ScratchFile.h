#pragma once
// A private scratch folder for fuzz targets whose readers take a path: the
// input is written to a file there before each run. The folder is made once
// per process under TMPDIR and removed at exit.

#include <filesystem>
#include <string_view>

namespace gb::fuzz {

const std::filesystem::path& ScratchFolder();

// Writes `bytes` to `name` in the scratch folder and gives the file's path.
std::filesystem::path WriteScratchFile(std::string_view name, std::string_view bytes);

}  // namespace gb::fuzz
