#pragma once
// The services a window reaches the desktop through.

#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"

namespace ui {

struct UiServices {
    MessageService& messages;
    FileDialogService& files;
    ShellService& shell;
};

}  // namespace ui
