#include "widgets/CHyperLink.h"

#include <QtGui/QMouseEvent>

#include "widgets/LinkOpener.h"
#include "widgets/QtText.h"

namespace gb::widgets {

CHyperLink::CHyperLink(LinkOpener& opener, QWidget* parent) : QLabel(parent), opener_(opener) {
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
    return !target_.empty() && opener_.OpenLink(target_);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Follow();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace gb::widgets
