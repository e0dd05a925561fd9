#pragma once
// The item list's commands that act on the selected items: Edit, Bulk
// Update, Set Status, Delete, Archive, Move, the store-item flag, Create
// Duplicate, Instant Summary and the item's pages on its site. Each takes the
// selection's item identities when it starts and carries them across its
// dialogs; the item list announces every change, so the list's rows and
// totals follow by themselves.

#include <string_view>

#include "app/core/items/SelectionCommands.h"

namespace gb::app {
class CommandMap;
class IFrame;
}  // namespace gb::app

namespace gb::app::ui {

class CInvView;

class ItemListCommands {
public:
    ItemListCommands(IFrame& frame, CInvView& list) : frame_(frame), list_(list) {}

    // The commands' handlers and update rules.
    void Bind(CommandMap& commands);

    // Edit Item(s): the item sheet for one selected item, the bulk update for
    // several.
    void OnEditItems();
    void OnBulkUpdate();
    // Set Status: the chosen status on every selected item not in progress.
    void OnSetStatus();
    // Delete and Archive: the selection to Deleted Items or Archive, after
    // asking.
    void OnMoveToList(StateMove move);
    void OnMoveItems();
    void OnToggleStoreItem();
    void OnDuplicate();
    // The first selected item's page on its site, commands 249-252.
    void OnNavigate(int command);

private:
    void ShowHintOnce(int stringId);

    IFrame& frame_;
    CInvView& list_;
};

}  // namespace gb::app::ui
