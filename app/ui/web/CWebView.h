#pragma once
// The right-hand view of web-site links and the user guide: a browser pane on
// the selected folder's address, with the browser buttons, the address box,
// the favourites and the five text sizes, driving the window's busy animation
// while pages load.

#include <QtWebEngineWidgets/QWebEngineView>

#include <string>

#include "app/ui/CView.h"

namespace gb {
class Settings;
}  // namespace gb

namespace gb::app {
class ShellService;
}  // namespace gb::app

namespace gb::app {
class WebViewHost;
}  // namespace gb::app

namespace gb::app::ui {

class CWebPage;

class CWebView final : public QWebEngineView, public gb::app::ui::CView {
    Q_OBJECT

public:
    CWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host, gb::app::ShellService& shell,
             const gb::Settings& settings, QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    gb::app::ViewKind Kind() const override { return gb::app::ViewKind::Web; }
    void OnInitialUpdate() override;
    // Shows the selected folder's address.
    void OnUpdate(gb::itemdb::DocumentView* sender, std::int32_t hint) override;

    // Loads an address and shows it in the address box, not in its history.
    void Navigate(const std::string& address);

    void OnBack();
    void OnNext();
    void OnStop();
    void OnRefresh();
    void OnHome();
    void OnSearch();
    // Loads the address box's address.
    void OnGo();
    // Enter in the address box: loads its address and adds it to the history.
    void OnGoEntered();
    void OnFavorite(int index);
    // Text sizes 0 (smallest) to 4 (largest).
    void SetTextSize(int size);

private:
    void BindCommands();
    void OnUrlChanged(const QUrl& url);
    void OnLoadFinished();

    gb::app::WebViewHost& host_;
    const gb::Settings& settings_;
    CWebPage* page_;
};

// Makes the web view for the view factory.
gb::app::ui::CView* CreateWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host,
                           gb::app::ShellService& shell, const gb::Settings& settings,
                           QWidget* parent);

}  // namespace gb::app::ui
