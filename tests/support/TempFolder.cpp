#include "tests/support/TempFolder.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace gb::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gbtest.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("No temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path path = path_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

}  // namespace gb::test
