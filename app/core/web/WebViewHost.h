#pragma once
// What the web view needs of the window that shows it: the busy animation,
// the address box, the toolbar and the favourite addresses. The main frame
// implements it; the view never sees the frame itself.

#include <optional>
#include <string>
#include <string_view>

namespace gb::app {

class WebViewHost {
public:
    // Raises (busy) or lowers the busy count, with `reset` from 0; the count.
    virtual int SetBusy(bool busy, bool reset) = 0;
    // Shows `text` in the address box; with `addToHistory` it also goes to the
    // top of the box's history.
    virtual void SetAddress(std::string_view text, bool addToHistory) = 0;
    // The address box's selected entry, or its text.
    virtual std::string GetAddress() const = 0;
    // Shows the buttons and bands of a folder kind.
    virtual bool EnableToolbar(int folderKind) = 0;
    // The address of favourites entry `index`; nothing when there is none.
    virtual std::optional<std::string> FavoriteAddress(int index) const = 0;

protected:
    ~WebViewHost() = default;
};

}  // namespace gb::app
