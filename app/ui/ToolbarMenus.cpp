#include "app/ui/ToolbarMenus.h"

#include <filesystem>
#include <functional>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/core/TemplateSlots.h"
#include "app/core/web/Favorites.h"
#include "app/core/web/WebCommands.h"
#include "app/ui/CommandActions.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

ToolbarMenus::ToolbarMenus(IFrame& frame, const CommandRouter& router, CommandActions& actions,
                           QWidget* parent)
    : frame_(frame), app_(frame.App()), router_(router), actions_(actions), parent_(parent) {}

QMenu* ToolbarMenus::MenuFor(int command) {
    return command == cmd::EditCopy       ? TemplateMenu()
           : command == cmd::ViewListing  ? NavigateMenu()
           : command == cmd::WebFonts     ? FontsMenu()
           : command == cmd::WebFavorites ? FavoritesMenu()
                                          : nullptr;
}

QMenu* ToolbarMenus::TemplateMenu() {
    auto* menu = new QMenu(parent_);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
        menu->clear();
        app_.ReloadTemplateLibrary();
        const TemplateSlots templateSlots =
            TemplateSlots::From(app_.GetTemplateLibrary(), app_.GetCurrentTemplateIndex());
        for (std::size_t slot = 0; slot < templateSlots.names.size(); ++slot) {
            const int id = cmd::PasteTemplate1 + static_cast<int>(slot);
            QAction* action = menu->addAction(ToQt(templateSlots.names[slot]));
            action->setEnabled(router_.Query(id).enabled);
            QObject::connect(action, &QAction::triggered, menu,
                             [this, id] { frame_.ExecuteCommand(id); });
            if (templateSlots.defaultSlot == slot) {
                menu->setDefaultAction(action);
            }
        }
        menu->addAction(actions_.Action(cmd::MoreTemplates));
    });
    return menu;
}

QMenu* ToolbarMenus::NavigateMenu() {
    auto* menu = new QMenu(parent_);
    QAction* viewItem = menu->addAction(QStringLiteral("View Item"));
    QObject::connect(viewItem, &QAction::triggered, menu,
                     [this] { frame_.ExecuteCommand(cmd::ViewListing); });
    menu->setDefaultAction(viewItem);
    menu->addAction(actions_.Action(cmd::BidHistory));
    menu->addAction(actions_.Action(cmd::Feedback));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, viewItem] {
        viewItem->setEnabled(router_.Query(cmd::ViewListing).enabled);
    });
    actions_.Watch(menu);
    return menu;
}

QMenu* ToolbarMenus::FontsMenu() {
    auto* menu = new QMenu(parent_);
    for (int id = cmd::FontLargest; id <= cmd::FontSmallest; ++id) {
        menu->addAction(actions_.Action(id));
    }
    actions_.Watch(menu);
    return menu;
}

QMenu* ToolbarMenus::FavoritesMenu() {
    auto* menu = new QMenu(parent_);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
        menu->clear();
        favorites_.clear();
        const std::optional<std::filesystem::path> folder =
            gb::app::FavoritesFolder(app_.GetUserSettings());
        if (!folder) {
            return;
        }
        Favorites favorites = ReadFavorites(*folder);
        favorites_ = std::move(favorites.addresses);
        const std::function<void(QMenu*, const gb::app::FavoritesMenu&)> fill =
            [this, menu, &fill](QMenu* target, const gb::app::FavoritesMenu& entries) {
                for (const gb::app::FavoritesMenu& subMenu : entries.subMenus) {
                    fill(target->addMenu(ToQt(subMenu.name)), subMenu);
                }
                for (std::size_t k = 0; k < entries.titles.size(); ++k) {
                    const int id =
                        web_cmd::FavoriteFirst + static_cast<int>(entries.firstIndex + k);
                    QObject::connect(target->addAction(ToQt(entries.titles[k])),
                                     &QAction::triggered, menu,
                                     [this, id] { frame_.ExecuteCommand(id); });
                }
            };
        fill(menu, favorites.menu);
    });
    return menu;
}

std::optional<std::string> ToolbarMenus::FavoriteAddress(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= favorites_.size()) {
        return std::nullopt;
    }
    return favorites_[static_cast<std::size_t>(index)];
}

}  // namespace gb::app::ui
