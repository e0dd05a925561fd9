#include "app/ui/MainMenuBar.h"

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/ui/CommandActions.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

MainMenuBar::MainMenuBar(CommandActions& actions, CLotkeeperApp& app, QWidget* parent)
    : QMenuBar(parent), actions_(actions), app_(app) {
    for (const MenuLayout& layout : MainMenus()) {
        AddMenu(layout);
    }
}

QMenu* MainMenuBar::AddMenu(const MenuLayout& layout) {
    QMenu* menu = addMenu(ToQt(layout.title));
    for (int id : layout.entries) {
        if (id == kMenuSeparator) {
            menu->addSeparator();
        } else if (id == kMenuRecentProfiles) {
            AddRecentProfiles(menu);
        } else {
            menu->addAction(actions_.Action(id));
        }
    }
    actions_.Watch(menu);
    return menu;
}

void MainMenuBar::AddRecentProfiles(QMenu* menu) {
    for (int id = cmd::FileRecent1; id <= cmd::FileRecent4; ++id) {
        menu->addAction(actions_.Action(id));
    }
    QAction* recentEnd = menu->addSeparator();
    connect(menu, &QMenu::aboutToShow, this, [this, recentEnd] {
        const std::size_t count = app_.GetRecentFiles().Entries().size();
        for (int id = cmd::FileRecent1; id <= cmd::FileRecent4; ++id) {
            actions_.Action(id)->setVisible(static_cast<std::size_t>(id - cmd::FileRecent1) <
                                            count);
        }
        recentEnd->setVisible(count > 0);
    });
}

}  // namespace gb::app::ui
