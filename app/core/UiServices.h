#pragma once
// The services a window reaches the desktop through, and the runner every
// modal window runs through (a Qt object the Qt layer uses; named here only).

#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app {

struct UiServices {
    MessageService& messages;
    FileDialogService& files;
    ShellService& shell;
    gb::widgets::ModalRunner& modals;
};

}  // namespace gb::app
