#include "app/ui/CView.h"

#include "itemdb/AucDoc.h"

using namespace gb::itemdb;

namespace gb::app::ui {

CView::CView(CAucDoc& document) : document_(document) {
    document_.AddView(this);
    document_.GetEvents().Add(this);
}

CView::~CView() {
    Detach();
}

void CView::Detach() {
    if (attached_) {
        document_.RemoveView(this);
        document_.GetEvents().Remove(this);
        attached_ = false;
    }
}

void CView::OnDocumentEvent(const DocumentEvent& event) {
    if (event.kind == DocumentEvent::Kind::DocumentReplaced) {
        StartAfresh();
    }
    if (event.hint) {
        OnUpdate(*event.hint);
    }
}

bool CView::OnCmdMsg(const ViewCommand& command) {
    switch (command.code) {
        case kUpdateCode:
            return commands_.UpdateCommand(command.id, *static_cast<CommandUpdate*>(command.extra));
        case kHandlesCode:
            return commands_.HandlesCommand(command.id);
        case 0:
            return commands_.ExecuteCommand(command.id);
        default:
            return false;
    }
}

bool OtherViewsTarget::UpdateCommand(int id, CommandUpdate& update) const {
    return document_.RouteCmdToAllViews(sender_, ViewCommand{id, CView::kUpdateCode, &update});
}

bool OtherViewsTarget::HandlesCommand(int id) const {
    return document_.RouteCmdToAllViews(sender_, ViewCommand{id, CView::kHandlesCode});
}

bool OtherViewsTarget::ExecuteCommand(int id) const {
    return document_.RouteCmdToAllViews(sender_, ViewCommand{id, 0});
}

}  // namespace gb::app::ui
