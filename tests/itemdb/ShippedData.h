#pragma once
// The data files `gbtool make-data` writes for the installer and the build's
// program folder, made in a scratch folder for the tests that check them.

#include <cstdlib>
#include <filesystem>
#include <string>

inline bool MakeShippedData(const std::filesystem::path& folder) {
    const std::filesystem::path gbtool = std::filesystem::path(GB_BIN_DIR) / "gbtool";
    const std::string command =
        "'" + gbtool.string() + "' make-data '" + folder.string() + "' >/dev/null";
    return std::system(command.c_str()) == 0;
}
