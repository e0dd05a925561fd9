#pragma once
// printf-style formatting into a std::string, for the engine's log lines.

#include <string>

namespace gb::retrieval {

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace gb::retrieval
