#include "app/ui/web/CWebPage.h"

#include <QtWebEngineCore/QWebEngineSettings>

#include "app/core/ShellService.h"
#include "app/core/web/WebAddress.h"
#include "app/core/web/WebViewHost.h"

namespace gb::app::ui {

namespace {

// The program's own pages and files on this machine run no scripts.
bool IsLocalPage(const QUrl& url) {
    return url.isLocalFile() || gb::app::IsResourceAddress(url.toString().toStdString()) ||
           url.scheme() == QLatin1String("qrc");
}

}  // namespace

CWebPage::CWebPage(QWebEngineProfile* profile, gb::app::WebViewHost& host,
                   gb::app::ShellService& shell, QObject* parent)
    : QWebEnginePage(profile, parent), host_(host), shell_(shell) {}

bool CWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    const std::string address = url.toString().toStdString();
    if (gb::app::IsMailAddress(address)) {
        shell_.OpenLink(address);
        return false;
    }
    if (isMainFrame) {
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, !IsLocalPage(url));
        host_.SetBusy(true, false);
    }
    return true;
}

}  // namespace gb::app::ui
