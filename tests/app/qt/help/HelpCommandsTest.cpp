#include <gtest/gtest.h>

#include <vector>

#include "app/core/CommandMap.h"
#include "app/ui/help/HelpCommands.h"
#include "widgets/HelpService.h"

namespace {

using namespace gb::app::ui;

class RecordingOpener final : public gb::widgets::HelpOpener {
public:
    bool Open(const QUrl& address) override {
        fragments.push_back(address.fragment());
        return true;
    }

    std::vector<QString> fragments;
};

TEST(HelpCommandsTest, HelpTopicsOpenTheContentsAndF1TheMainWindowsPlace) {
    RecordingOpener opener;
    gb::widgets::HelpService help("/opt/Lotkeeper/Lotkeeper.html", opener);
    gb::app::CommandMap commands;
    BindHelpCommands(commands, help);
    for (const int id :
         {help_cmd::HelpTopics, help_cmd::HelpFinder, help_cmd::ContextHelp, help_cmd::Help}) {
        EXPECT_TRUE(commands.ExecuteCommand(id)) << id;
    }
    EXPECT_EQ(opener.fragments,
              (std::vector<QString>{"contents", "contents", "contents", "context-3"}));
}

}  // namespace
