#pragma once
// The main window's menu bar, built from the menus' layouts: every entry is
// its command's action, and the recently used profiles show where a layout
// places them, as many as there are.

#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>

#include "app/core/MenuLayout.h"

namespace gb::app {
class CLotkeeperApp;
}  // namespace gb::app

namespace gb::app::ui {

class CommandActions;

class MainMenuBar final : public QMenuBar {
    Q_OBJECT

public:
    MainMenuBar(CommandActions& actions, CLotkeeperApp& app, QWidget* parent);

private:
    QMenu* AddMenu(const MenuLayout& layout);
    // The recently used profiles, where a menu's layout places them.
    void AddRecentProfiles(QMenu* menu);

    CommandActions& actions_;
    CLotkeeperApp& app_;
};

}  // namespace gb::app::ui
