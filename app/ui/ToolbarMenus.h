#pragma once
// The drop-down menus of the toolbar's buttons, filled as they open: the
// clipboard templates of the library in use, the pages of a listing, the web
// view's font sizes and the user's favourites, whose addresses it keeps for
// the commands of the favourites' entries.

#include <QtWidgets/QMenu>
#include <QtWidgets/QWidget>

#include <optional>
#include <string>
#include <vector>

#include "app/core/CommandRouter.h"
#include "app/core/IFrame.h"

namespace gb::app::ui {

class CommandActions;

class ToolbarMenus final {
public:
    // The menus belong to `parent` and route their commands through `frame`.
    ToolbarMenus(IFrame& frame, const CommandRouter& router, CommandActions& actions,
                 QWidget* parent);
    ToolbarMenus(const ToolbarMenus&) = delete;
    ToolbarMenus& operator=(const ToolbarMenus&) = delete;

    // A new drop-down menu for the button of `command`; null when the button
    // has none.
    QMenu* MenuFor(int command);
    // The address of favourites entry `index` as the menu last listed it;
    // nothing when there is none.
    std::optional<std::string> FavoriteAddress(int index) const;

private:
    QMenu* TemplateMenu();
    QMenu* NavigateMenu();
    QMenu* FontsMenu();
    QMenu* FavoritesMenu();

    IFrame& frame_;
    CLotkeeperApp& app_;
    const CommandRouter& router_;
    CommandActions& actions_;
    QWidget* parent_;
    // Entry n is the address of favourites command 3584 + n.
    std::vector<std::string> favorites_;
};

}  // namespace gb::app::ui
