#pragma once
// What the web view needs of the window that shows it: a share of the busy
// state, the address box, the toolbar, the favourite addresses and the update
// run. The main frame implements it; the view never sees the frame itself.

#include <optional>
#include <string>
#include <string_view>

#include "app/core/BusyState.h"

namespace gb::app {

class WebViewHost {
public:
    // A share of the window's busy state, held while a page loads.
    [[nodiscard]] virtual BusyToken Busy() = 0;
    // Shows `text` in the address box; with `addToHistory` it also goes to the
    // top of the box's history.
    virtual void SetAddress(std::string_view text, bool addToHistory) = 0;
    // The address box's selected entry, or its text.
    virtual std::string GetAddress() const = 0;
    // Shows the buttons and bands of a folder kind.
    virtual bool EnableToolbar(int folderKind) = 0;
    // The address of favourites entry `index`; nothing when there is none.
    virtual std::optional<std::string> FavoriteAddress(int index) const = 0;
    // "Update Database": starts an update run of the profile unless one runs.
    virtual bool StartUpdate() = 0;

protected:
    ~WebViewHost() = default;
};

}  // namespace gb::app
