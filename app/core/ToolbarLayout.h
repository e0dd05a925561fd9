#pragma once
// The main toolbar's entries in order, and which of its buttons and which
// bands of the bar below it a folder kind shows.

#include <array>
#include <span>

namespace gb::app {

struct ToolbarEntry {
    enum class DropDown {
        None,
        Arrow,  // the button runs its command; its arrow opens a menu
        Whole,  // the whole button opens a menu
    };

    int command = 0;  // 0: a separator
    DropDown dropDown = DropDown::None;
    int image = -1;  // index into the toolbar's images; -1 for a separator
};

std::span<const ToolbarEntry> MainToolbar();

// The bands of the bar under the toolbar.
enum class Band {
    Summary = 0,  // items listed, minimum value, total bids
    Caption = 1,  // the folder's name and description
    Address = 2,  // the web address box
    Animation = 3,
};
inline constexpr int kBandCount = 4;

class ToolbarVisibility {
public:
    // What a folder of `kind` shows: item folders their item commands, web
    // pages the browser buttons, any other kind neither.
    static ToolbarVisibility ForFolderKind(int kind);

    // Buttons that no folder kind hides are always shown.
    bool IsShown(int command) const;
    bool IsShown(Band band) const { return bands_[static_cast<int>(band)]; }

private:
    bool itemButtons_ = false;
    bool browserButtons_ = false;
    std::array<bool, kBandCount> bands_{};
};

}  // namespace gb::app
