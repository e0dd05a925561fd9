#pragma once
// The main toolbar: its buttons in the toolbar's order, each a second action of
// its command so that hiding a button leaves the menu entry, with the
// drop-down menus of the buttons that have one. Which buttons show follows the
// kind of the folder on display.

#include <QtCore/QHash>
#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QToolBar>

#include "app/core/CommandRouter.h"
#include "app/core/IFrame.h"
#include "app/core/ToolbarLayout.h"
#include "app/ui/ToolbarMenus.h"

namespace gb::app::ui {

class CommandActions;

class MainToolBar final : public QToolBar {
    Q_OBJECT

public:
    // The buttons route their commands, and their menus' entries, through
    // `frame`; the menus belong to `parent`.
    MainToolBar(IFrame& frame, const CommandRouter& router, CommandActions& actions,
                QWidget* parent);

    // Shows the buttons `shown` names and hides the others.
    void ShowButtons(const ToolbarVisibility& shown);
    bool IsButtonShown(int command) const;
    // The drop-down menu of a button, filled as when it opens.
    QMenu* DropDownMenu(int command) const;
    const ToolbarMenus& Menus() const { return menus_; }

private:
    ToolbarMenus menus_;
    QHash<int, QAction*> buttons_;
};

}  // namespace gb::app::ui
