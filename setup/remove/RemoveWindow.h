#pragma once
// The window in which Remove tells what it removed and what it kept, when it
// was not started from a terminal.

#include "setup/core/Uninstaller.h"

namespace gb::widgets {
class ModalRunner;
}

namespace gb::setup::ui {

void ShowRemoveReport(widgets::ModalRunner& runner, const UninstallReport& report);

}  // namespace gb::setup::ui
