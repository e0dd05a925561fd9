#pragma once
// The main program's help commands: "Help Topics" and the other help-index
// commands open the guide at its contents, Help (F1) at the main window's
// place.

namespace gb::app {
class CommandMap;
}  // namespace gb::app

namespace gb::widgets {
class HelpService;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace help_cmd {
inline constexpr int HelpTopics = 57666;
inline constexpr int HelpFinder = 57667;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;  // F1
}  // namespace help_cmd

// Binds the four commands in `commands` to `help`, which must outlive them.
void BindHelpCommands(gb::app::CommandMap& commands, gb::widgets::HelpService& help);

}  // namespace gb::app::ui
