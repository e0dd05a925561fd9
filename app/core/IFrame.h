#pragma once
// What a view may ask of the main window it sits in: the document and the
// application it shows, the desktop's services and the modal runner, a share
// of the busy state, the texts of the bars, the toolbar of a folder kind,
// switching the right-hand view, the form on the right, the help and the
// commands. Views hold this, never the window.

#include <cstddef>
#include <string>
#include <string_view>

#include "app/core/BusyState.h"
#include "app/core/CommandState.h"
#include "app/core/UiServices.h"
#include "app/core/ViewKind.h"

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

namespace gb::app {

class CLotkeeperApp;
class WebViewHost;

class IFrame {
public:
    virtual gb::itemdb::CAucDoc& Document() const = 0;
    virtual CLotkeeperApp& App() const = 0;
    // Message boxes, file dialogs, links and programs, and the runner of every
    // other modal window.
    virtual const UiServices& Services() const = 0;

    // A share of the busy state for work about to start: the animation runs
    // and the window counts as busy until every share is given back.
    [[nodiscard]] virtual BusyToken Busy() = 0;
    // Starts an update run of the profile unless one runs; the frame shows it
    // until it ends. False when none started.
    virtual bool StartUpdate() = 0;

    // The summary band: items listed, minimum value, total bids.
    virtual void SetSummary(std::size_t count, std::string_view minimumValue,
                            std::string_view totalBids) = 0;
    // The caption panel: the folder's title, an empty line, its description.
    virtual void SetStatusText(std::string_view title, std::string_view description) = 0;
    // The status bar's message pane.
    virtual void SetMessageText(std::string_view text) = 0;
    virtual void SetTemplateName(std::string_view name) = 0;
    // Shows the buttons and bands of a folder kind; false without a toolbar.
    virtual bool EnableToolbar(int folderKind) = 0;

    // What the web view drives: the animation, the address box, the toolbar
    // and the favourites.
    virtual WebViewHost& WebHost() = 0;
    // The address box's text while the right-hand view is the web view;
    // empty otherwise.
    virtual std::string ShownWebAddress() const = 0;

    // Shows a view of `kind` on the right; the view shown already when it is
    // of that kind.
    virtual void SwitchRightView(ViewKind kind) = 0;
    // Whether the right-hand view is a form that checks its entries before it
    // may be left. A question only: nothing is checked or stored.
    virtual bool RightViewIsForm() const = 0;
    // Whether the form on the right holds entries it may be left with (any
    // other view may be left). A question only: nothing is stored.
    virtual bool RightFormIsValid() const = 0;
    // Stores what was typed into the form on the right in the profile, valid
    // or not, without leaving it or saving; for work that is about to change
    // or reload the profile. False when the right-hand view is no form.
    virtual bool StoreRightForm() = 0;
    // Leaving the user profile view: when its entries are valid they are
    // stored and a profile they changed is saved. False when they are not
    // valid (any other view may be left).
    virtual bool LeaveProfileView() = 0;

    // The help at the place of a help context; the user is told when no
    // program could show it.
    virtual bool ShowHelp(int context) = 0;

    // Routes the command and refreshes the commands' states afterwards.
    virtual bool ExecuteCommand(int id) = 0;
    virtual CommandState QueryCommand(int id) const = 0;
    virtual void RequestCommandRefresh() = 0;

protected:
    ~IFrame() = default;
};

}  // namespace gb::app
