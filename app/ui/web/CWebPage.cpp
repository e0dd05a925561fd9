#include "app/ui/web/CWebPage.h"

#include <QtWebEngineCore/QWebEngineSettings>

#include "app/core/DesktopMessages.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "app/core/web/WebAddress.h"

namespace gb::app::ui {

namespace {

// The program's own pages and files on this machine run no scripts.
bool IsLocalPage(const QUrl& url) {
    return url.isLocalFile() || gb::app::IsResourceAddress(url.toString().toStdString()) ||
           url.scheme() == QLatin1String("qrc");
}

}  // namespace

CWebPage::CWebPage(QWebEngineProfile* profile, gb::app::ShellService& shell,
                   gb::app::MessageService& messages, QObject* parent)
    : QWebEnginePage(profile, parent), shell_(shell), messages_(messages) {}

bool CWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    const std::string address = url.toString().toStdString();
    if (gb::app::IsMailAddress(address)) {
        if (!shell_.OpenLink(address)) {
            messages_.Show(gb::app::NoMailProgramText(address));
        }
        return false;
    }
    if (isMainFrame) {
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, !IsLocalPage(url));
    }
    return true;
}

}  // namespace gb::app::ui
