#pragma once
// The page of the web view. Every navigation passes its before-navigate rule:
// a mail address goes to the desktop's mail program and the page stays as it
// is; any other navigation of the page itself raises the busy count and turns
// scripts on for web sites and off for the program's own and local pages.

#include <QtWebEngineCore/QWebEnginePage>

namespace gb::app {
class ShellService;
}  // namespace gb::app

namespace gb::app {
class WebViewHost;
}  // namespace gb::app

namespace gb::app::ui {

class CWebPage final : public QWebEnginePage {
    Q_OBJECT

public:
    CWebPage(QWebEngineProfile* profile, gb::app::WebViewHost& host, gb::app::ShellService& shell,
             QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    gb::app::WebViewHost& host_;
    gb::app::ShellService& shell_;
};

}  // namespace gb::app::ui
