#include "app/ui/MainToolBar.h"

#include <QtWidgets/QToolButton>

#include "app/ui/CommandActions.h"

namespace gb::app::ui {

MainToolBar::MainToolBar(IFrame& frame, const CommandRouter& router, CommandActions& actions,
                         QWidget* parent)
    : QToolBar(QStringLiteral("Toolbar"), parent), menus_(frame, router, actions, parent) {
    setObjectName(QStringLiteral("MainToolBar"));
    setMovable(false);
    setIconSize(QSize(32, 32));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarEntry& entry : MainToolbar()) {
        if (entry.command == 0) {  // a separator
            addSeparator();
            continue;
        }
        QAction* action = actions.AddButtonAction(entry.command);
        buttons_.insert(entry.command, action);
        addAction(action);
        if (entry.dropDown == ToolbarEntry::DropDown::None) {
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(widgetForAction(action));
        QMenu* menu = menus_.MenuFor(entry.command);
        if (button != nullptr && menu != nullptr) {
            button->setMenu(menu);
            button->setPopupMode(entry.dropDown == ToolbarEntry::DropDown::Arrow
                                     ? QToolButton::MenuButtonPopup
                                     : QToolButton::InstantPopup);
        }
    }
}

void MainToolBar::ShowButtons(const ToolbarVisibility& shown) {
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        it.value()->setVisible(shown.IsShown(it.key()));
    }
}

bool MainToolBar::IsButtonShown(int command) const {
    const QAction* button = buttons_.value(command);
    return button != nullptr && button->isVisible();
}

QMenu* MainToolBar::DropDownMenu(int command) const {
    QAction* button = buttons_.value(command);
    const auto* tool =
        button != nullptr ? qobject_cast<QToolButton*>(widgetForAction(button)) : nullptr;
    QMenu* menu = tool != nullptr ? tool->menu() : nullptr;
    if (menu != nullptr) {
        Q_EMIT menu->aboutToShow();
    }
    return menu;
}

}  // namespace gb::app::ui
