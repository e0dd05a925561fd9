#include "app/ui/ItemContextMenu.h"

#include <QtWidgets/QMenu>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandCatalog.h"
#include "app/core/CommandIds.h"
#include "app/core/IFrame.h"
#include "app/core/ItemMenuRules.h"
#include "app/core/TemplateSlots.h"
#include "app/ui/MenuText.h"
#include "itemdb/AucDoc.h"
#include "widgets/QtText.h"

using gb::itemdb::CFolderNode;

namespace gb::app::ui {

using gb::widgets::ToQt;

namespace {

// The item context menu's entries; 0 is the Copy/Paste sub-menu.
struct MenuEntry {
    int command;
    const char* text;
};
constexpr MenuEntry kContextMenu[] = {
    {cmd::EditItems, "&Edit..."},
    {cmd::CreateDuplicate, "Create Duplicate..."},
    {cmd::StoreItem, "eBay Store Item"},
    {cmd::DeleteItems, "&Delete"},
    {cmd::ArchiveItems, "&Archive"},
    {cmd::BulkUpdate, "&Bulk Update..."},
    {cmd::ViewListing, "&View Listing"},
    {cmd::MailTo, "&Mail To"},
    {0, "&Copy/Paste"},
};

}  // namespace

QMenu* MakeItemContextMenu(IFrame& frame, QWidget* parent, std::size_t selectedCount) {
    auto* menu = new QMenu(parent);
    const CFolderNode* folder = frame.Document().GetSelectedFolder();
    const ItemMenuState rules =
        ItemMenuRules(selectedCount, folder ? folder->type : 0, folder ? folder->kind : 0);
    auto add = [&](QMenu* to, int command, const QString& text) {
        QAction* action = to->addAction(text);
        action->setData(command);
        action->setEnabled(frame.QueryCommand(command).enabled && !rules.grayed.contains(command));
        QObject::connect(action, &QAction::triggered, menu,
                         [&frame, command] { frame.ExecuteCommand(command); });
        if (command == rules.defaultCommand) {
            menu->setDefaultAction(action);
        }
        return action;
    };
    for (const MenuEntry& entry : kContextMenu) {
        if (entry.command != 0) {
            add(menu, entry.command, ToQt(entry.text));
            continue;
        }
        QMenu* copy = menu->addMenu(ToQt(entry.text));
        const TemplateSlots templateSlots = TemplateSlots::From(
            frame.App().GetTemplateLibrary(), frame.App().GetCurrentTemplateIndex());
        for (std::size_t slot = 0; slot < templateSlots.names.size(); ++slot) {
            QAction* action = add(copy, cmd::PasteTemplate1 + static_cast<int>(slot),
                                  ToQt(templateSlots.names[slot]));
            if (templateSlots.defaultSlot == slot) {
                copy->setDefaultAction(action);
            }
        }
        add(copy, cmd::MoreTemplates, QtMenuText(FindCommandText(cmd::MoreTemplates)->menu));
    }
    return menu;
}

}  // namespace gb::app::ui
