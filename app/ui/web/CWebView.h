#pragma once
// The right-hand view of web-site links and the user guide: a browser pane on
// the selected folder's address, with the browser buttons, the address box,
// the favourites and the five text sizes. A page holds a share of the
// window's busy state from the start of its load to the end, and gives it
// back when the view goes. When the process drawing the page ends, the view
// says so and offers to load the page again.

#include <QtWebEngineWidgets/QWebEngineView>

#include <string>

#include "app/core/BusyState.h"
#include "app/ui/CView.h"

class QWebEngineLoadingInfo;

namespace gb {
class Settings;
}  // namespace gb

namespace gb::app {
class MessageService;
class ShellService;
class WebViewHost;
}  // namespace gb::app

namespace gb::app::ui {

class CPageEndedPanel;
class CWebPage;

class CWebView final : public QWebEngineView, public gb::app::ui::CView {
    Q_OBJECT

public:
    CWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host,
             gb::app::ShellService& shell, gb::app::MessageService& messages,
             const gb::Settings& settings, QWidget* parent = nullptr);
    ~CWebView() override;

    QWidget* Widget() override { return this; }
    gb::app::ViewKind Kind() const override { return gb::app::ViewKind::Web; }
    void OnInitialUpdate() override;
    // Shows the selected folder's address.
    void OnUpdate(std::int32_t hint) override;
    // Another profile: the load of the one before stops, its history goes.
    void StartAfresh() override;

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

    // Whether a page is loading; the window is busy while one does.
    bool IsLoading() const { return loading_.IsHeld(); }
    // Shown while the page's process has ended; null before it first did.
    CPageEndedPanel* EndedPanel() const { return endedPanel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BindCommands();
    void OnUrlChanged(const QUrl& url);
    // A load of the page itself holds a share of the busy state until it
    // ends, however it ends.
    void OnLoadingChanged(const QWebEngineLoadingInfo& loading);
    void OnPageEnded();

    gb::app::WebViewHost& host_;
    const gb::Settings& settings_;
    CWebPage* page_;
    CPageEndedPanel* endedPanel_ = nullptr;
    gb::app::BusyToken loading_;
};

// Makes the web view for the view factory.
gb::app::ui::CView* CreateWebView(gb::itemdb::CAucDoc& document, gb::app::WebViewHost& host,
                                  gb::app::ShellService& shell, gb::app::MessageService& messages,
                                  const gb::Settings& settings, QWidget* parent);

}  // namespace gb::app::ui
