#pragma once
// The main window's status bar: the message pane, where menu and button hints
// show over the program's own text, and the template pane, which names the
// clipboard template in use and its library.

#include <QtWidgets/QLabel>
#include <QtWidgets/QStatusBar>

#include <string>
#include <string_view>

namespace gb::app {
class CLotkeeperApp;
}  // namespace gb::app

namespace gb::app::ui {

class MainStatusBar final : public QStatusBar {
    Q_OBJECT

public:
    // The template pane names `app`'s template library.
    MainStatusBar(CLotkeeperApp& app, QWidget* parent);

    void SetMessageText(std::string_view text);
    // A menu or button hint while one shows, else the program's own text.
    QString MessageText() const;
    // The template the item list uses; empty: the library's template in use.
    void SetTemplateName(std::string_view name);
    // The template pane: the current template, else the library's template
    // in use, and the library's file name.
    void UpdateTemplatePane();
    QString TemplatePaneText() const;

private:
    CLotkeeperApp& app_;
    QLabel* messagePane_ = nullptr;
    QLabel* templatePane_ = nullptr;
    std::string templateName_;
};

}  // namespace gb::app::ui
