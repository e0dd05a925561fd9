#include "app/ui/web/CWebView.h"

#include <QtWebEngineCore/QWebEngineHistory>
#include <QtWebEngineCore/QWebEngineLoadingInfo>
#include <QtWebEngineCore/QWebEngineProfile>

#include "app/core/CommandIds.h"
#include "app/core/ViewKind.h"
#include "app/core/web/WebAddress.h"
#include "app/core/web/WebCommands.h"
#include "app/core/web/WebPages.h"
#include "app/core/web/WebViewHost.h"
#include "app/ui/web/CPageEndedPanel.h"
#include "app/ui/web/CWebPage.h"
#include "app/ui/web/WebEngineSetup.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CWebView::CWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host,
                   gb::app::ShellService& shell, gb::app::MessageService& messages,
                   const gb::Settings& settings, QWidget* parent)
    : QWebEngineView(parent), CView(document), host_(host), settings_(settings) {
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    InstallResourcePages(*profile);
    page_ = new CWebPage(profile, shell, messages, this);
    setPage(page_);
    connect(page_, &QWebEnginePage::urlChanged, this, &CWebView::OnUrlChanged);
    connect(page_, &QWebEnginePage::loadingChanged, this, &CWebView::OnLoadingChanged);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, &CWebView::OnPageEnded);
    BindCommands();
}

// The page goes after this part of the view: what it reports on its way out
// reaches nothing of it. A load still running gives its share back here.
CWebView::~CWebView() {
    disconnect(page_, nullptr, this, nullptr);
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
    commands_.On(cmd::UpdateDatabase, [this](int) { host_.StartUpdate(); });
    // Their drop-downs are the frame's; the buttons themselves do nothing.
    commands_.On(cmd::WebFavorites, [](int) {});
    commands_.On(cmd::WebFonts, [](int) {});
}

void CWebView::OnInitialUpdate() {
    host_.EnableToolbar(gb::itemdb::folder::WebSites);
}

void CWebView::StartAfresh() {
    OnStop();
    history()->clear();
}

void CWebView::OnUpdate(std::int32_t) {
    // A page shown for an item or a report stays when the item folder on
    // display changes; only a web folder's own address is loaded.
    const gb::itemdb::CFolderNode* folder = GetDocument().GetSelectedFolder();
    if (folder == nullptr || gb::app::ViewKindForFolder(folder->type) != gb::app::ViewKind::Web) {
        return;
    }
    const std::string address = folder->data.Get();
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
    loading_.Release();
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
    host_.SetAddress(gb::app::AddressBoxText(gb::widgets::FromQt(url.toString())), false);
}

void CWebView::OnLoadingChanged(const QWebEngineLoadingInfo& loading) {
    if (loading.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
        loading_.Release();
        return;
    }
    // A mail address goes to the mail program; the page stays as it is.
    if (gb::app::IsMailAddress(gb::widgets::FromQt(loading.url().toString()))) {
        return;
    }
    if (endedPanel_ != nullptr) {
        endedPanel_->hide();
    }
    loading_ = host_.Busy();
}

void CWebView::OnPageEnded() {
    loading_.Release();
    if (endedPanel_ == nullptr) {
        endedPanel_ = new CPageEndedPanel(this);
        connect(endedPanel_, &CPageEndedPanel::ReloadRequested, this, &CWebView::OnRefresh);
    }
    endedPanel_->setGeometry(rect());
    endedPanel_->show();
    endedPanel_->raise();
}

void CWebView::resizeEvent(QResizeEvent* event) {
    QWebEngineView::resizeEvent(event);
    if (endedPanel_ != nullptr) {
        endedPanel_->setGeometry(rect());
    }
}

gb::app::ui::CView* CreateWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host,
                                  gb::app::ShellService& shell, gb::app::MessageService& messages,
                                  const gb::Settings& settings, QWidget* parent) {
    return new CWebView(document, host, shell, messages, settings, parent);
}

}  // namespace gb::app::ui
