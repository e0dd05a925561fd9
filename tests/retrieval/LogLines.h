#pragma once
// The lines of a session log file, without their CR LF.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileIo.h"

namespace gb::test {

inline std::vector<std::string> LogLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    const std::string text = ReadWholeFile(path).value_or("");
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start) + "<unterminated>");
    }
    return lines;
}

}  // namespace gb::test
