#pragma once
// The data files shipped beside the programs, each with the writer that makes
// it. The installer copies them into the program folder; `gbtool make-data`
// writes them.

#include <filesystem>
#include <span>
#include <string_view>

struct ShippedFile {
    std::string_view name;
    // Writes the file, replacing an old one only when the whole write
    // succeeded; throws gb::FileError when it cannot.
    void (*write)(const std::filesystem::path& path);
};

std::span<const ShippedFile> ShippedFiles();
