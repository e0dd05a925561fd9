#include "app/dialogs/common/EnterKey.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QPlainTextEdit>

namespace gb::app::ui {

namespace {

class EnterToDialog final : public QObject {
public:
    explicit EnterToDialog(QPlainTextEdit& edit) : QObject(&edit), edit_(edit) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                QCoreApplication::sendEvent(edit_.window(), key);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPlainTextEdit& edit_;
};

}  // namespace

void LetEnterAccept(QPlainTextEdit& edit) {
    edit.installEventFilter(new EnterToDialog(edit));
}

}  // namespace gb::app::ui
