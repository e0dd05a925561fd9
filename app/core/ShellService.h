#pragma once
// Opening links in the user's programs and starting other programs,
// injectable so that tests start nothing.

#include <filesystem>
#include <string_view>

namespace gb::app {

class ShellService {
public:
    // Opens an address (web page, "mailto:", "file://") with the program the
    // desktop chooses; false when that fails.
    virtual bool OpenLink(std::string_view address) = 0;
    // Starts a program in the given working folder without waiting for it;
    // false when it cannot be started.
    virtual bool StartProgram(const std::filesystem::path& program,
                              const std::filesystem::path& workingFolder) = 0;

protected:
    ~ShellService() = default;
};

}  // namespace gb::app
