#include "app/ui/CPlaceholderView.h"

#include "app/core/CLotkeeperApp.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app::ui {

CPlaceholderView::CPlaceholderView(IFrame& frame, ViewKind kind, QWidget* parent)
    : QFrame(parent), CView(frame.Document()), frame_(frame), kind_(kind) {
    setFrameShape(QFrame::StyledPanel);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void CPlaceholderView::OnInitialUpdate() {
    frame_.EnableToolbar(kind_ == ViewKind::Web ? folder::WebSites : folder::UserProfile);
}

}  // namespace gb::app::ui
