#pragma once
// A shell service for the tests without widgets: it records the addresses it
// is asked to open and opens them while `opens` is set; it starts nothing.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/ShellService.h"

namespace gb::test {

class RecordingShell final : public gb::app::ShellService {
public:
    bool OpenLink(std::string_view address) override {
        opened.emplace_back(address);
        return opens;
    }
    bool StartProgram(const std::filesystem::path&, const std::filesystem::path&) override {
        return false;
    }

    std::vector<std::string> opened;
    bool opens = true;
};

}  // namespace gb::test
