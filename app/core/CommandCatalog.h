#pragma once
// The texts of every command: its menu text ('&' marks the access key, a tab
// separates the shortcut), the prompt the status bar shows while the pointer
// rests on it, and the toolbar tooltip.

#include <string_view>

namespace gb::app {

struct CommandText {
    int id = 0;
    std::string_view menu;
    std::string_view prompt;
    std::string_view tooltip;
};

// The texts of `id`; null when the catalogue does not list it.
const CommandText* FindCommandText(int id);

// The shortcut part of a menu text: "Ctrl+O" of "&Open Database...\tCtrl+O";
// empty when it has none.
std::string_view ShortcutOf(std::string_view menuText);

}  // namespace gb::app
