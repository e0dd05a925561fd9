#include "app/ui/ViewRegistry.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/ui/CInvView.h"
#include "app/ui/profile/CProView.h"
#include "app/ui/web/CWebView.h"
#include "widgets/ModalRunner.h"
#include "widgets/WebEngineStart.h"

namespace gb::app::ui {

ViewRegistry ViewRegistry::MainViews() {
    ViewRegistry views;
    views.Register(ViewKind::Items, Of<CInvView>());
    views.Register(ViewKind::Profile, [](IFrame& frame, QWidget* parent) {
        ProViewHooks hooks;
        hooks.runner = &frame.Services().modals;
        hooks.close = [&frame] { frame.ExecuteCommand(cmd::UserProfile); };
        hooks.help = [&frame](int context) { frame.ShowHelp(context); };
        hooks.enableToolbar = [&frame](int folderKind) { frame.EnableToolbar(folderKind); };
        return CreateProView(frame.Document(), std::move(hooks), parent);
    });
    // Web-site links and the user guide's pages. The first web view of the
    // window starts the web engine; when that runs without its sandbox, the
    // window says so then, and only then.
    views.Register(
        ViewKind::Web, [noted = std::make_shared<bool>(false)](IFrame& frame, QWidget* parent) {
            CView* view =
                CreateWebView(frame.Document(), frame.WebHost(), frame.Services().shell,
                              frame.Services().messages, frame.App().GetUserSettings(), parent);
            if (!*noted) {
                *noted = true;
                const std::string note = gb::widgets::WebEngineSandboxNote();
                if (!note.empty()) {
                    frame.SetMessageText(note);
                }
            }
            return view;
        });
    return views;
}

void ViewRegistry::Register(ViewKind kind, Creator creator) {
    creators_[kind] = std::move(creator);
}

CView* ViewRegistry::Create(ViewKind kind, IFrame& frame, QWidget* parent) const {
    const auto it = creators_.find(kind);
    if (it == creators_.end()) {
        throw std::logic_error("no view is registered for this kind");
    }
    return it->second(frame, parent);
}

}  // namespace gb::app::ui
