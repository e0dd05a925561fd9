#include "app/ui/help/HelpCommands.h"

#include "app/core/CommandMap.h"
#include "widgets/HelpService.h"

namespace gb::app::ui {

void BindHelpCommands(gb::app::CommandMap& commands, gb::widgets::HelpService& help) {
    for (const int id : {help_cmd::HelpTopics, help_cmd::HelpFinder, help_cmd::ContextHelp}) {
        commands.On(id, [&help](int) { help.ShowContents(); });
    }
    commands.On(help_cmd::Help,
                [&help](int) { help.ShowContext(gb::widgets::help_context::MainWindow); });
}

}  // namespace gb::app::ui
