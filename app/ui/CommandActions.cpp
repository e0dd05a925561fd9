#include "app/ui/CommandActions.h"

#include <QtCore/QTimer>

#include "app/core/CommandCatalog.h"
#include "app/core/ToolbarLayout.h"
#include "app/ui/ArtLibrary.h"
#include "app/ui/MenuText.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

namespace {

int ToolbarImageOf(int id) {
    for (const ToolbarEntry& entry : MainToolbar()) {
        if (entry.command == id) {
            return entry.image;
        }
    }
    return -1;
}

}  // namespace

CommandActions::CommandActions(const CommandRouter& router, QWidget* window)
    : QObject(window), router_(router), window_(window) {}

QAction* CommandActions::Action(int id) {
    if (QAction* known = actions_.value(id)) {
        return known;
    }
    QAction* action = MakeAction(id);
    if (const CommandText* text = FindCommandText(id)) {
        action->setShortcut(QtShortcut(text->menu));
    }
    window_->addAction(action);
    actions_.insert(id, action);
    return action;
}

QAction* CommandActions::AddButtonAction(int id) {
    QAction* action = MakeAction(id);
    buttonActions_.insert(id, action);
    return action;
}

QAction* CommandActions::MakeAction(int id) {
    auto* action = new QAction(window_);
    if (const CommandText* text = FindCommandText(id)) {
        action->setText(QtMenuText(text->menu));
        action->setToolTip(ToQt(text->tooltip));
        action->setStatusTip(ToQt(text->prompt));
    }
    if (const int image = ToolbarImageOf(id); image >= 0) {
        action->setIcon(ArtLibrary::ToolbarIcon(image));
        action->setIconVisibleInMenu(false);
    }
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] {
        router_.Execute(id);
        RequestRefresh();
    });
    RequestRefresh();
    return action;
}

void CommandActions::Watch(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* action : menu->actions()) {
            if (const QVariant id = action->data();
                id.isValid() && actions_.value(id.toInt()) == action) {
                RefreshCommand(id.toInt());
            }
        }
    });
}

void CommandActions::RefreshCommand(int id) {
    // The buttons of the command follow its menu entry, so that the two
    // never disagree about whether it can run.
    if (QAction* action = actions_.value(id)) {
        RefreshAction(id, action);
    }
    for (auto it = buttonActions_.constFind(id); it != buttonActions_.cend() && it.key() == id;
         ++it) {
        RefreshAction(id, it.value());
    }
}

void CommandActions::Refresh() {
    refreshPending_ = false;
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        RefreshAction(it.key(), it.value());
    }
    for (auto it = buttonActions_.cbegin(); it != buttonActions_.cend(); ++it) {
        RefreshAction(it.key(), it.value());
    }
}

void CommandActions::RequestRefresh() {
    if (refreshPending_) {
        return;
    }
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (refreshPending_) {
            Refresh();
        }
    });
}

void CommandActions::RefreshAction(int id, QAction* action) {
    const CommandState state = router_.Query(id);
    action->setEnabled(state.enabled);
    if (state.checked && !action->isCheckable()) {
        action->setCheckable(true);
    }
    if (action->isCheckable()) {
        action->setChecked(state.checked);
    }
    if (state.text) {
        action->setText(ToQt(*state.text));
    }
}

}  // namespace gb::app::ui
