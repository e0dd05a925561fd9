#include "app/ui/UpdateRunPresenter.h"

#include <QtCore/QMetaObject>

#include "app/core/problems/RetrievalProblems.h"
#include "app/dialogs/problems/CProblemDlg.h"
#include "interfaces/RetrievalNotify.h"
#include "itemdb/AucDoc.h"
#include "itemdb/UpdateRun.h"
#include "widgets/ModalRunner.h"

using gb::itemdb::UpdateRun;
using gb::itemdb::WM_RETRIEVED_ROW;

namespace gb::app::ui {

UpdateRunPresenter::UpdateRunPresenter(IFrame& frame, QWidget* window,
                                       gb::itemdb::CAucDoc& document, UiServices services)
    : frame_(frame),
      window_(window),
      document_(document),
      services_(services),
      updatePrompts_(services.messages) {}

void UpdateRunPresenter::Attach(gb::WindowHandle handle) {
    UpdateRun& update = document_.GetUpdateRun();
    update.SetMainWindow(handle);
    update.SetPrompts(&updatePrompts_);
}

void UpdateRunPresenter::Detach() {
    UpdateRun& update = document_.GetUpdateRun();
    update.SetPrompts(nullptr);
    update.SetMainWindow(0);
}

void UpdateRunPresenter::OnRetrievalMessage(const gb::WindowMessage& message) {
    if (message.message == WM_RETRIEVAL_NOTIFY) {
        OnUpdateProgress(message);
    } else if (message.message == WM_RETRIEVED_ROW) {
        document_.GetUpdateRun().OnMessage(message);
    }
}

void UpdateRunPresenter::OnUpdateProgress(const gb::WindowMessage& message) {
    if (message.wParam == static_cast<std::uintptr_t>(RetrievalNotifyKind::Detail)) {
        frame_.SetMessageText(progress_.Tick());
        return;
    }
    // The end of one retrieval: the run starts the next one, or is over.
    if (document_.GetUpdateRun().OnMessage(message)) {
        OnUpdateEnded();
    }
}

bool UpdateRunPresenter::StartUpdate() {
    if (document_.IsUpdating() || !document_.UpdateAuctions()) {
        return false;
    }
    progress_.Start();
    updateBusy_ = frame_.Busy();
    if (!document_.IsUpdating()) {
        OnUpdateEnded();
    }
    return true;
}

void UpdateRunPresenter::OnUpdateEnded() {
    updateBusy_.Release();
    // Ticks that come after the end leave "Update Complete!" alone.
    progress_.Complete();
    const bool failed = document_.GetUpdateRun().HasFailed();
    // The views reload the folder on display through a queued call of their
    // own. The report is queued behind it, so that the reloaded list's status
    // text does not replace "Update Complete!" at once.
    QMetaObject::invokeMethod(
        window_,
        [this, failed] {
            frame_.SetMessageText(progress_.Text());
            if (failed) {
                CProblemDlg problems(RetrievalProblems::Read(), window_);
                services_.modals.Run(problems);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace gb::app::ui
