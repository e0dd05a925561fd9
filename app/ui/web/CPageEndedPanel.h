#pragma once
// What the web view shows over its pane when the process drawing its page
// has ended (out of memory, a crash): a short message and a Reload button,
// instead of a blank grey pane.

#include <QtWidgets/QFrame>

class QPushButton;

namespace gb::app::ui {

class CPageEndedPanel final : public QFrame {
    Q_OBJECT

public:
    explicit CPageEndedPanel(QWidget* parent);

    QPushButton* ReloadButton() const { return reload_; }
    QString Message() const;

Q_SIGNALS:
    void ReloadRequested();

private:
    QPushButton* reload_;
};

}  // namespace gb::app::ui
