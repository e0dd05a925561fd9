#include "app/ui/web/CWebView.h"

#include <QtWebEngineCore/QWebEngineHistory>
#include <QtWebEngineCore/QWebEngineProfile>

#include "app/core/CommandIds.h"
#include "app/core/ViewKind.h"
#include "app/core/web/WebAddress.h"
#include "app/core/web/WebCommands.h"
#include "app/core/web/WebPages.h"
#include "app/core/web/WebViewHost.h"
#include "app/ui/web/CWebPage.h"
#include "app/ui/web/WebEngineSetup.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CWebView::CWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host,
                   gb::app::ShellService& shell, const gb::Settings& settings, QWidget* parent)
    : QWebEngineView(parent), CView(document), host_(host), settings_(settings) {
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    InstallResourcePages(*profile);
    page_ = new CWebPage(profile, host, shell, this);
    setPage(page_);
    connect(page_, &QWebEnginePage::urlChanged, this, &CWebView::OnUrlChanged);
    connect(page_, &QWebEnginePage::loadFinished, this, &CWebView::OnLoadFinished);
    BindCommands();
}

void CWebView::BindCommands() {
    commands_.On(cmd::WebBack, [this](int) { OnBack(); });
    commands_.On(cmd::WebNext, [this](int) { OnNext(); });
    commands_.On(cmd::WebStop, [this](int) { OnStop(); });
    commands_.On(cmd::WebRefresh, [this](int) { OnRefresh(); });
    commands_.On(cmd::WebHome, [this](int) { OnHome(); });
    commands_.On(cmd::WebSearch, [this](int) { OnSearch(); });
    commands_.On(web_cmd::Go, [this](int) { OnGo(); });
    commands_.OnRange(web_cmd::FavoriteFirst, web_cmd::FavoriteLast,
                      [this](int id) { OnFavorite(id - web_cmd::FavoriteFirst); });
    commands_.OnRange(web_cmd::FontLargest, web_cmd::FontSmallest,
                      [this](int id) { SetTextSize(*TextSizeForCommand(id)); });
    // Their drop-downs are the frame's; the buttons themselves do nothing.
    commands_.On(cmd::WebFavorites, [](int) {});
    commands_.On(cmd::WebFonts, [](int) {});
}

void CWebView::OnInitialUpdate() {
    host_.EnableToolbar(gb::itemdb::folder::WebSites);
}

void CWebView::OnUpdate(gb::itemdb::DocumentView*, std::int32_t) {
    // A page shown for an item or a report stays when the item folder on
    // display changes; only a web folder's own address is loaded.
    const gb::itemdb::CFolderTree& tree = GetDocument().GetFolderTree();
    if (gb::app::ViewKindForFolder(tree.GetCurType()) != gb::app::ViewKind::Web) {
        return;
    }
    const std::string address = tree.GetCurColumnsOrURL();
    if (!address.empty()) {
        Navigate(address);
    }
}

void CWebView::Navigate(const std::string& address) {
    load(QUrl::fromUserInput(gb::widgets::ToQt(address)));
    host_.SetAddress(gb::app::AddressBoxText(address), false);
}

void CWebView::OnBack() {
    back();
}

void CWebView::OnNext() {
    forward();
}

void CWebView::OnStop() {
    stop();
    host_.SetBusy(false, true);
}

void CWebView::OnRefresh() {
    reload();
}

void CWebView::OnHome() {
    Navigate(HomePageAddress(settings_));
}

void CWebView::OnSearch() {
    Navigate(SearchPageAddress(settings_));
}

void CWebView::OnGo() {
    const std::string address = host_.GetAddress();
    if (!address.empty()) {
        load(QUrl::fromUserInput(gb::widgets::ToQt(address)));
    }
}

void CWebView::OnGoEntered() {
    OnGo();
    host_.SetAddress(host_.GetAddress(), true);
}

void CWebView::OnFavorite(int index) {
    if (const std::optional<std::string> address = host_.FavoriteAddress(index)) {
        load(QUrl::fromUserInput(gb::widgets::ToQt(*address)));
    }
}

void CWebView::SetTextSize(int size) {
    setZoomFactor(ZoomFactorForTextSize(size));
}

void CWebView::OnUrlChanged(const QUrl& url) {
    host_.SetBusy(false, true);
    host_.SetAddress(gb::app::AddressBoxText(gb::widgets::FromQt(url.toString())), false);
}

void CWebView::OnLoadFinished() { host_.SetBusy(false, true); }

gb::app::ui::CView* CreateWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host,
                           gb::app::ShellService& shell, const gb::Settings& settings,
                           QWidget* parent) {
    return new CWebView(document, host, shell, settings, parent);
}

}  // namespace gb::app::ui
