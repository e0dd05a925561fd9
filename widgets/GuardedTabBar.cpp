#include "widgets/GuardedTabBar.h"

#include <QtCore/QSignalBlocker>

namespace gb::widgets {

GuardedTabBar::GuardedTabBar(QWidget* parent) : QTabBar(parent) {
    connect(this, &QTabBar::currentChanged, this, &GuardedTabBar::OnCurrentChanged);
}

bool GuardedTabBar::SelectTab(int index) {
    if (index == currentIndex()) {
        return true;
    }
    setCurrentIndex(index);
    return lastChangeStood_;
}

// Inserting a tab before the one shown moves it without a change of tab.
void GuardedTabBar::tabInserted(int index) {
    QTabBar::tabInserted(index);
    shown_ = currentIndex();
}

void GuardedTabBar::tabRemoved(int index) {
    QTabBar::tabRemoved(index);
    shown_ = currentIndex();
}

void GuardedTabBar::OnCurrentChanged(int index) {
    const int left = shown_;
    if (left >= 0 && left < count() && left != index && leaveCheck_) {
        if (const std::optional<QString> refusal = leaveCheck_(left)) {
            {
                const QSignalBlocker blocker(this);
                setCurrentIndex(left);
            }
            lastChangeStood_ = false;
            Q_EMIT LeaveRefused(*refusal);
            return;
        }
    }
    shown_ = index;
    lastChangeStood_ = true;
    Q_EMIT TabEntered(index);
}

}  // namespace gb::widgets
