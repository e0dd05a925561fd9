#pragma once
// What the main window shows of an update run: the progress ticks in the
// status bar's message pane while the retrievals report, "Update Complete!"
// at the end, and what the retrievals logged when one of them failed. It holds
// the run's share of the window's busy state and passes the run the messages
// the window receives from the retrievals' threads.

#include <QtWidgets/QWidget>

#include "app/core/BusyState.h"
#include "app/core/IFrame.h"
#include "app/core/ProgressText.h"
#include "app/core/ServiceUpdatePrompts.h"
#include "app/core/UiServices.h"
#include "platform/MessageTarget.h"

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

namespace gb::app::ui {

class UpdateRunPresenter final {
public:
    // `frame` gives the busy state and the message pane; `window` is the
    // parent of the problem dialog.
    UpdateRunPresenter(IFrame& frame, QWidget* window, gb::itemdb::CAucDoc& document,
                       UiServices services);
    UpdateRunPresenter(const UpdateRunPresenter&) = delete;
    UpdateRunPresenter& operator=(const UpdateRunPresenter&) = delete;

    // The run posts its messages to the window `handle` and asks through the
    // program's message service; Detach undoes both.
    void Attach(gb::WindowHandle handle);
    void Detach();

    // Starts an update run of the profile unless one runs; the animation runs
    // until the run ends, and the end is reported at once when none of its
    // retrievals could start.
    bool StartUpdate();
    // A message of the retrievals (WM_USER+1) or a row they fired (WM_USER+3),
    // on the window's thread.
    void OnRetrievalMessage(const gb::WindowMessage& message);

private:
    void OnUpdateProgress(const gb::WindowMessage& message);
    // The update run is over: animation, "Update Complete!" and, when a
    // retrieval failed, what the retrievals logged.
    void OnUpdateEnded();

    IFrame& frame_;
    QWidget* window_;
    gb::itemdb::CAucDoc& document_;
    UiServices services_;
    ProgressText progress_;
    ServiceUpdatePrompts updatePrompts_;
    BusyToken updateBusy_;
};

}  // namespace gb::app::ui
