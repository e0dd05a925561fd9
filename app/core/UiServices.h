#pragma once
// The services a window reaches the desktop through.

#include "app/core/DialogService.h"
#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"

namespace ui {

struct UiServices {
    MessageService& messages;
    FileDialogService& files;
    ShellService& shell;
    DialogService& dialogs;
};

}  // namespace ui
