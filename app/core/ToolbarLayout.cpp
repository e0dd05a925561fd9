#include "app/core/ToolbarLayout.h"

#include <algorithm>

#include "app/core/CommandIds.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app {

namespace {

using DropDown = ToolbarEntry::DropDown;

constexpr std::array kMainToolbar = std::to_array<ToolbarEntry>({
    {cmd::FeeSchedule, DropDown::None, 0},
    {cmd::UserProfile, DropDown::None, 1},
    {cmd::ShowCalendar, DropDown::None, 2},
    {cmd::Report, DropDown::None, 3},
    {cmd::InstantSummary, DropDown::None, 4},
    {0, DropDown::None, -1},
    {cmd::EditCopy, DropDown::Arrow, 5},
    {cmd::MailTo, DropDown::None, 6},
    {cmd::ClipboardTemplates, DropDown::None, 7},
    {cmd::ItemSearch, DropDown::None, 8},
    {0, DropDown::None, -1},
    {cmd::UpdateDatabase, DropDown::None, 9},
    {cmd::EditItems, DropDown::None, 10},
    {cmd::ViewListing, DropDown::Arrow, 11},
    {cmd::ExportItems, DropDown::None, 12},
    {0, DropDown::None, -1},
    {cmd::AppExit, DropDown::None, 13},
    {cmd::WebBack, DropDown::None, 14},
    {cmd::WebNext, DropDown::None, 15},
    {cmd::WebStop, DropDown::None, 16},
    {cmd::WebRefresh, DropDown::None, 17},
    {cmd::WebHome, DropDown::None, 18},
    {cmd::WebFavorites, DropDown::Whole, 19},
    {cmd::WebFonts, DropDown::Whole, 20},
    {cmd::WebSearch, DropDown::None, 21},
});

// The buttons of the item folders.
constexpr std::array kItemButtons{cmd::EditItems,     cmd::EditCopy,    cmd::MailTo,
                                  cmd::ItemSearch,    cmd::ExportItems, cmd::ViewListing,
                                  cmd::InstantSummary};

bool IsBrowserButton(int command) {
    return command >= cmd::WebBack && command <= cmd::WebFonts;
}

bool IsItemButton(int command) {
    return std::find(kItemButtons.begin(), kItemButtons.end(), command) != kItemButtons.end();
}

}  // namespace

std::span<const ToolbarEntry> MainToolbar() {
    return kMainToolbar;
}

ToolbarVisibility ToolbarVisibility::ForFolderKind(int kind) {
    ToolbarVisibility shown;
    switch (kind) {
        case folder::Auctions:
        case folder::ByCategory:
        case folder::Reports:
        case folder::Archive:
            shown.itemButtons_ = true;
            shown.bands_[static_cast<int>(Band::Animation)] = true;
            shown.bands_[static_cast<int>(Band::Caption)] = true;
            shown.bands_[static_cast<int>(Band::Summary)] = true;
            break;
        case folder::WebSites:
        case folder::UserGuide:
            shown.browserButtons_ = true;
            shown.bands_[static_cast<int>(Band::Animation)] = true;
            shown.bands_[static_cast<int>(Band::Address)] = true;
            break;
        default:
            break;
    }
    return shown;
}

bool ToolbarVisibility::IsShown(int command) const {
    if (IsBrowserButton(command)) {
        return browserButtons_;
    }
    if (IsItemButton(command)) {
        return itemButtons_;
    }
    return true;
}

}  // namespace gb::app
