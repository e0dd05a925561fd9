#include "ErrorPrinter.h"

#include <cstdio>

#include "platform/Cp1252.h"

void ErrorPrinter::ReportError(std::string_view message) {
    const std::string text = gb::cp1252::ToUtf8(message);
    if (path_.empty()) {
        std::fprintf(stderr, "gbtool: %s\n", text.c_str());
    } else {
        std::fprintf(stderr, "gbtool: %s: %s\n", path_.c_str(), text.c_str());
    }
}
