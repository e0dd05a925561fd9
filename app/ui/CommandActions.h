#pragma once
// The QActions of the command IDs: made once per ID with the catalogue's
// text, shortcut, tooltip and prompt and the toolbar's picture; triggering one
// routes its command, and Refresh sets every action's enabled and checked
// state from the routing's enabling rules. Menus refresh their actions as they
// are about to show; everything else asks for a refresh when state changes.

#include <QtCore/QHash>
#include <QtCore/QObject>
#include <QtGui/QAction>
#include <QtWidgets/QMenu>

#include "app/core/CommandRouter.h"

namespace gb::app::ui {

class CommandActions final : public QObject {
    Q_OBJECT

public:
    // The actions' shortcuts work anywhere in `window`.
    CommandActions(const CommandRouter& router, QWidget* window);

    // The command's action, as menus show it; its shortcut works anywhere in
    // the window.
    QAction* Action(int id);
    // Another action of the command, for a button that can be hidden without
    // hiding the menu item.
    QAction* AddButtonAction(int id);
    // A menu whose actions are refreshed each time it is about to show.
    void Watch(QMenu* menu);

    // Sets every action's state now.
    void Refresh();
    // Sets every action's state once the current event has been handled;
    // several requests in a row refresh once.
    void RequestRefresh();

private:
    QAction* MakeAction(int id);
    // Sets the state of the command's menu action and of its buttons.
    void RefreshCommand(int id);
    void RefreshAction(int id, QAction* action);

    const CommandRouter& router_;
    QWidget* window_;
    QHash<int, QAction*> actions_;
    QMultiHash<int, QAction*> buttonActions_;
    bool refreshPending_ = false;
};

}  // namespace gb::app::ui
