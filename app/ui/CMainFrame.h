#pragma once
// The main window: it holds the menus, the toolbar, the bar under it with the
// folder's bands, the status bar, and the pane with the folder tree and the
// right-hand view (or the right-hand view alone). It routes commands from the
// active view through the frame to the application and the document's other
// views, switches the views, keeps the busy state and opens the help; the bars,
// the update run's presentation and the placement are classes of their own.

#include <QtWidgets/QMainWindow>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/BusyState.h"
#include "app/core/CommandRouter.h"
#include "app/core/IFrame.h"
#include "app/core/ToolbarLayout.h"
#include "app/core/UiServices.h"
#include "app/core/ViewKind.h"
#include "app/core/web/WebViewHost.h"
#include "app/ui/AddressBand.h"
#include "app/ui/CView.h"
#include "app/ui/FolderBands.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolBar.h"
#include "app/ui/ShellLinkOpener.h"
#include "app/ui/UpdateRunPresenter.h"
#include "app/ui/ViewRegistry.h"
#include "platform/MessageTarget.h"
#include "widgets/HelpService.h"

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb
namespace gb::app {
class CLotkeeperApp;
}  // namespace gb::app
namespace gb::widgets {
class CHistoryCombo;
}  // namespace gb::widgets

namespace gb::app::ui {

class CMainView;
class CSummaryBar;
class CommandActions;

class CMainFrame final : public QMainWindow,
                         public IFrame,
                         public gb::app::WebViewHost,
                         public gb::MessageTarget {
    Q_OBJECT

public:
    CMainFrame(CLotkeeperApp& app, gb::itemdb::CAucDoc& document, UiServices services);
    ~CMainFrame() override;

    CLotkeeperApp& App() const override { return app_; }
    gb::itemdb::CAucDoc& Document() const override { return document_; }
    const UiServices& Services() const override { return services_; }

    // Routing. Application-level targets are asked after the frame.
    void AddCommandTarget(const CommandTarget* target);
    const CommandRouter& Router() const { return router_; }
    CommandActions& Actions() const { return *actions_; }
    // Routes the command and refreshes the commands' states afterwards.
    bool ExecuteCommand(int id) override;
    CommandState QueryCommand(int id) const override { return router_.Query(id); }
    void RequestCommandRefresh() override;

    // The views.
    // Puts the folder tree and a right-hand view into the window.
    void ShowMainView();
    CMainView* GetMainView() const { return mainView_; }
    // The right-hand view, in the splitter or alone.
    CView* GetRightView() const;
    // Shows a view of `kind` on the right (in the splitter when the tree
    // shows); the view shown already when it is of that kind.
    CView* ShowRightView(ViewKind kind);
    void SwitchRightView(ViewKind kind) override { ShowRightView(kind); }
    bool RightViewIsForm() const override;
    bool RightFormIsValid() const override;
    bool StoreRightForm() override;
    void ShowUserProfile();
    bool LeaveProfileView() override;
    // The view commands go to first: the view with the focus, else the
    // right-hand view.
    CView* ActiveView() const;
    // The views the right-hand side can show.
    const ViewRegistry& Views() const { return views_; }

    // What the views show through the frame.
    bool EnableToolbar(int folderKind) override;
    BusyToken Busy() override { return busy_.Hold(); }
    bool IsBusy() const { return busy_.IsBusy(); }
    WebViewHost& WebHost() override { return *this; }
    std::string ShownWebAddress() const override;
    // The address box: shown text, and with `addToHistory` the top of its
    // history too.
    void SetAddress(std::string_view text, bool addToHistory) override;
    std::string GetAddress() const override;
    std::optional<std::string> FavoriteAddress(int index) const override;
    void SetSummary(std::size_t count, std::string_view minimumValue,
                    std::string_view totalBids) override;
    void SetStatusText(std::string_view title, std::string_view description) override;
    void SetMessageText(std::string_view text) override { statusBar_->SetMessageText(text); }
    void SetTemplateName(std::string_view name) override { statusBar_->SetTemplateName(name); }
    // The profile's title; the window system adds "Gavelbook".
    void UpdateCaption();

    // The help, opened through the shell service.
    gb::widgets::HelpService& Help() { return help_; }
    bool ShowHelp(int context) override { return help_.ShowContext(context); }

    bool LoadWindowPlacement();
    bool SaveWindowPlacement();

    // Dropped files: the first local file is handed over to be opened.
    void AcceptDroppedFiles(std::function<void(const std::filesystem::path&)> open);
    // Brings the window to the front, restored when minimised, and a dialog it
    // shows in front of it.
    void BringToFront();

    // "Update Database": starts an update run of the profile unless one runs;
    // the animation runs until the run ends, and the end is reported at once
    // when none of its retrievals could start.
    bool StartUpdate() override;

    // The window's handle for messages from other threads: the retrievals'
    // progress and end (WM_USER+1) and the rows they fired (WM_USER+3).
    gb::WindowHandle Handle() const { return handle_; }
    void Post(const gb::WindowMessage& message) override;

    // For tests and the screenshot.
    CSummaryBar* SummaryBar() const { return bandBar_->Summary(); }
    QString CaptionText() const;
    // What the status bar's message pane shows: a menu or button hint while
    // one shows, else the program's own text.
    QString MessageText() const { return statusBar_->MessageText(); }
    QString TemplatePaneText() const { return statusBar_->TemplatePaneText(); }
    bool IsBandShown(Band band) const;
    bool IsButtonShown(int command) const;
    bool IsAnimationPlaying() const;
    gb::widgets::CHistoryCombo* AddressBox() const { return bandBar_->Address()->Box(); }
    // The drop-down menu of a toolbar button, filled as when it opens.
    QMenu* DropDownMenu(int command) const { return toolBar_->DropDownMenu(command); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateCommands();
    void CreateMenus();
    void CreateToolBar();
    void CreateBands();
    void CreateStatusBar();
    void ReplaceCentral(QWidget* widget);

    void OnNavigationTree();
    void OnUserProfile();
    void OnClipboardTemplates();
    void OnUserGuide();
    // An update run keeps its profile: New, Open and closing are refused with
    // a message while it lasts.
    // Whether the profile view may be left; says why not when it may not.
    bool LeaveProfileViewOrSay();
    bool RefuseDuringUpdate();
    // The animation and the commands that follow the busy state.
    void OnBusyChanged(bool busy);

    CLotkeeperApp& app_;
    gb::itemdb::CAucDoc& document_;
    UiServices services_;

    ViewRegistry views_;
    CommandMap commands_;
    OtherViewsTarget otherViews_;
    std::vector<const CommandTarget*> appTargets_;
    CommandRouter router_;
    CommandActions* actions_ = nullptr;

    MainToolBar* toolBar_ = nullptr;
    FolderBands* bandBar_ = nullptr;
    MainStatusBar* statusBar_ = nullptr;

    CMainView* mainView_ = nullptr;
    CView* singleView_ = nullptr;

    // Holds the update run's share of the busy state. Declared before the
    // state, so that the state goes first and a run cut short by closing the
    // window calls back into nothing.
    UpdateRunPresenter updateRun_;
    BusyState busy_;
    ShellLinkOpener helpOpener_;
    gb::widgets::HelpService help_;
    gb::WindowHandle handle_ = 0;
};

}  // namespace gb::app::ui
