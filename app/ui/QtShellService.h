#pragma once
// Links open in the desktop's programs; other programs start detached.

#include "app/core/ShellService.h"

namespace gb::app::ui {

class QtShellService final : public ShellService {
public:
    bool OpenLink(std::string_view address) override;
    bool StartProgram(const std::filesystem::path& program,
                      const std::filesystem::path& workingFolder) override;
};

}  // namespace gb::app::ui
