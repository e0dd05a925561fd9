#include "app/ui/ViewRegistry.h"

#include "app/ui/CInvView.h"
#include "app/ui/CPlaceholderView.h"

namespace gb::app::ui {

ViewRegistry ViewRegistry::MainViews() {
    ViewRegistry views;
    views.Register(ViewKind::Items, Of<CInvView>());
    return views;
}

void ViewRegistry::Register(ViewKind kind, Creator creator) {
    creators_[kind] = std::move(creator);
}

CView* ViewRegistry::Create(ViewKind kind, IFrame& frame, QWidget* parent) const {
    if (const auto it = creators_.find(kind); it != creators_.end()) {
        return it->second(frame, parent);
    }
    return new CPlaceholderView(frame, kind, parent);
}

}  // namespace gb::app::ui
