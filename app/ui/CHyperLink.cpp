#include "app/ui/CHyperLink.h"

#include <QtGui/QMouseEvent>

#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;

CHyperLink::CHyperLink(ShellService& shell, MessageService& messages, QWidget* parent)
    : QLabel(parent), shell_(shell), messages_(messages) {
    QFont bold = font();
    bold.setBold(true);
    bold.setUnderline(true);
    setFont(bold);
    setCursor(Qt::PointingHandCursor);
}

bool CHyperLink::Follow() {
    if (target_.empty()) {
        target_ = FromQt(text());
    }
    if (target_.empty()) {
        return false;
    }
    if (shell_.OpenLink(target_)) {
        return true;
    }
    messages_.Show("Unable to open the link. Please start your web browser and visit " + target_,
                   MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Follow();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace gb::app::ui
