#pragma once
// The page of the web view. Every navigation passes its before-navigate rule:
// a mail address goes to the desktop's mail program (the user is told when
// there is none) and the page stays as it is; any other navigation of the
// page itself turns scripts on for web sites and off for the program's own
// and local pages.

#include <QtWebEngineCore/QWebEnginePage>

namespace gb::app {
class MessageService;
class ShellService;
}  // namespace gb::app

namespace gb::app::ui {

class CWebPage final : public QWebEnginePage {
    Q_OBJECT

public:
    CWebPage(QWebEngineProfile* profile, gb::app::ShellService& shell,
             gb::app::MessageService& messages, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    gb::app::ShellService& shell_;
    gb::app::MessageService& messages_;
};

}  // namespace gb::app::ui
