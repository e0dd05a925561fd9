#include "app/ui/CMainFrame.h"

#include <QtGui/QCloseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStatusBar>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/core/UiStrings.h"
#include "app/dialogs/calendar/CCalendarDlg.h"
#include "app/ui/ArtLibrary.h"
#include "app/ui/CBusyAnimation.h"
#include "app/ui/CMainView.h"
#include "app/ui/CNavView.h"
#include "app/ui/CSummaryBar.h"
#include "app/ui/CommandActions.h"
#include "app/ui/FileDropFilter.h"
#include "app/ui/FolderBands.h"
#include "app/ui/FramePlacement.h"
#include "app/ui/MainMenuBar.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolBar.h"
#include "app/ui/help/HelpCommands.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "itemdb/LotkeeperStrings.h"
#include "platform/WindowRegistry.h"
#include "widgets/CHistoryCombo.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::DocumentEvent;

namespace gb::app::ui {

using gb::widgets::ToQt;

namespace {

constexpr const char* kTemplateEditor = "Template";

}  // namespace

CMainFrame::CMainFrame(CLotkeeperApp& app, CAucDoc& document, UiServices services)
    : app_(app),
      document_(document),
      services_(services),
      views_(ViewRegistry::MainViews()),
      otherViews_(document),
      router_([this] {
          CView* active = ActiveView();
          otherViews_.SetSender(active);
          std::vector<const CommandTarget*> chain;
          if (active != nullptr) {
              chain.push_back(&active->Commands());
          }
          chain.push_back(&commands_);
          chain.insert(chain.end(), appTargets_.begin(), appTargets_.end());
          chain.push_back(&otherViews_);
          return chain;
      }),
      updateRun_(*this, this, document, services),
      busy_([this](bool busy) { OnBusyChanged(busy); }),
      helpOpener_(services.shell, services.messages),
      help_(app.GetProgramFolder() / std::string(gb::widgets::kHelpFileName), helpOpener_) {
    setWindowIcon(ArtLibrary::ProgramIcon());
    setObjectName(QStringLiteral("CMainFrame"));
    actions_ = new CommandActions(router_, this);
    CreateCommands();
    CreateMenus();
    CreateToolBar();
    CreateBands();
    CreateStatusBar();
    EnableToolbar(0);
    UpdateCaption();
    resize(1000, 660);
    connect(qApp, &QApplication::focusChanged, this, [this] { RequestCommandRefresh(); });
    handle_ = gb::WindowRegistry::Register(*this);
    updateRun_.Attach(handle_);
}

CMainFrame::~CMainFrame() {
    // Focus changes while the views go concern no one.
    disconnect(qApp, nullptr, this, nullptr);
    // The views reach the frame as they go (the pane stores its splitter), so
    // they go first, while the frame is whole; nothing routes to them meanwhile.
    QWidget* central = takeCentralWidget();
    mainView_ = nullptr;
    singleView_ = nullptr;
    delete central;
    updateRun_.Detach();
    gb::WindowRegistry::Unregister(handle_);
}

void CMainFrame::AddCommandTarget(const CommandTarget* target) {
    appTargets_.push_back(target);
    RequestCommandRefresh();
}

bool CMainFrame::ExecuteCommand(int id) {
    const bool done = router_.Execute(id);
    RequestCommandRefresh();
    return done;
}

void CMainFrame::RequestCommandRefresh() {
    actions_->RequestRefresh();
    statusBar_->UpdateTemplatePane();
}

// --- Commands, menus and bars -------------------------------------------------

void CMainFrame::CreateCommands() {
    const auto enabled = [](int, CommandUpdate& update) { update.Enable(true); };
    commands_.On(cmd::AppExit, [this](int) { close(); });
    commands_.OnUpdate(cmd::AppExit, enabled);
    commands_.On(cmd::NavigationTree, [this](int) { OnNavigationTree(); });
    commands_.On(cmd::UserProfile, [this](int) { OnUserProfile(); });
    commands_.OnUpdate(cmd::UserProfile, [this](int, CommandUpdate& update) {
        const CView* right = GetRightView();
        update.SetCheck(right != nullptr && right->Kind() == ViewKind::Profile);
        update.Enable(!busy_.IsBusy() && !document_.IsUpdating());
    });
    commands_.On(cmd::HelpUserGuide, [this](int) { OnUserGuide(); });
    commands_.OnUpdate(cmd::HelpUserGuide, enabled);
    // Shown pressed while anything keeps the window busy; only a run of the
    // document's own keeps a second from being started.
    commands_.OnUpdate(cmd::UpdateDatabase, [this](int, CommandUpdate& update) {
        update.SetCheck(busy_.IsBusy());
        if (document_.IsUpdating()) {
            update.Enable(false);
        }
    });
    commands_.On(cmd::ShowCalendar, [this](int) { CCalendarDlg::Run(services_.modals, this); });
    commands_.On(cmd::ClipboardTemplates, [this](int) { OnClipboardTemplates(); });
    commands_.OnUpdate(cmd::ClipboardTemplates, enabled);
    commands_.OnUpdate(cmd::NavigationTree, [this](int, CommandUpdate& update) {
        update.Enable(true);
        update.SetCheck(mainView_ != nullptr);
    });
    commands_.On(cmd::ViewToolbar, [this](int) { toolBar_->setVisible(!toolBar_->isVisible()); });
    commands_.OnUpdate(cmd::ViewToolbar, [this](int, CommandUpdate& update) {
        update.SetCheck(toolBar_->isVisible());
    });
    commands_.On(cmd::ViewStatusBar,
                 [this](int) { statusBar()->setVisible(!statusBar()->isVisible()); });
    commands_.OnUpdate(cmd::ViewStatusBar, [this](int, CommandUpdate& update) {
        update.SetCheck(statusBar()->isVisible());
    });
}

void CMainFrame::CreateMenus() {
    setMenuBar(new MainMenuBar(*actions_, app_, this));
    // F1 has no menu entry: the window's own action carries it.
    actions_->Action(help_cmd::Help)->setShortcut(QKeySequence(Qt::Key_F1));
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new MainToolBar(*this, router_, *actions_, this);
    addToolBar(toolBar_);
}

void CMainFrame::CreateBands() {
    addToolBarBreak();
    bandBar_ = new FolderBands(*this, this);
    addToolBar(bandBar_);
}

void CMainFrame::CreateStatusBar() {
    statusBar_ = new MainStatusBar(app_, this);
    setStatusBar(statusBar_);
}

// --- Views --------------------------------------------------------------------

void CMainFrame::ReplaceCentral(QWidget* widget) {
    QWidget* old = takeCentralWidget();
    setCentralWidget(widget);
    if (old != nullptr) {
        old->hide();
        old->deleteLater();
    }
}

void CMainFrame::ShowMainView() {
    const ViewKind kind = GetRightView() != nullptr ? GetRightView()->Kind() : ViewKind::Items;
    if (singleView_ != nullptr) {
        singleView_->Detach();
        singleView_ = nullptr;
    }
    auto* mainView = new CMainView(*this, views_, kind);
    ReplaceCentral(mainView);
    mainView_ = mainView;
    mainView->OnInitialUpdate();
    RequestCommandRefresh();
}

CView* CMainFrame::GetRightView() const {
    if (mainView_ != nullptr) {
        return mainView_->GetRightView();
    }
    return singleView_;
}

CView* CMainFrame::ShowRightView(ViewKind kind) {
    if (mainView_ != nullptr) {
        return mainView_->SwitchRightView(kind);
    }
    if (singleView_ != nullptr && singleView_->Kind() == kind) {
        return singleView_;
    }
    if (singleView_ != nullptr) {
        singleView_->Detach();
    }
    singleView_ = views_.Create(kind, *this, nullptr);
    ReplaceCentral(singleView_->Widget());
    singleView_->OnInitialUpdate();
    RequestCommandRefresh();
    return singleView_;
}

CView* CMainFrame::ActiveView() const {
    CView* tree = mainView_ != nullptr ? mainView_->GetTreeView() : nullptr;
    CView* right = GetRightView();
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (tree != nullptr && widget == tree->Widget()) {
            return tree;
        }
        if (right != nullptr && widget == right->Widget()) {
            return right;
        }
    }
    return right;
}

void CMainFrame::ShowUserProfile() {
    ShowRightView(ViewKind::Profile);
}

bool CMainFrame::RightViewIsForm() const {
    const CView* right = GetRightView();
    return right != nullptr && right->IsForm();
}

bool CMainFrame::RightFormIsValid() const {
    const CView* right = GetRightView();
    return right == nullptr || right->EntriesValid();
}

bool CMainFrame::StoreRightForm() {
    if (!RightViewIsForm()) {
        return false;
    }
    GetRightView()->StoreEntries();
    return true;
}

bool CMainFrame::LeaveProfileView() {
    if (!RightViewIsForm()) {
        return true;
    }
    if (!RightFormIsValid()) {
        return false;
    }
    if (GetRightView()->StoreEntries()) {
        ExecuteCommand(cmd::FileSave);
    }
    return true;
}

bool CMainFrame::LeaveProfileViewOrSay() {
    if (LeaveProfileView()) {
        return true;
    }
    services_.messages.Show(UiText(string_id::ProfileViewRefused));
    return false;
}

void CMainFrame::OnNavigationTree() {
    if (mainView_ == nullptr) {
        ShowMainView();
    } else {
        const ViewKind kind = mainView_->GetRightView()->Kind();
        mainView_->GetRightView()->Detach();
        mainView_->GetTreeView()->Detach();
        mainView_ = nullptr;
        ShowRightView(kind);
    }
    // A new web view starts blank: it shows the open folder's page again.
    CView* right = GetRightView();
    if (right != nullptr && right->Kind() == ViewKind::Web &&
        document_.GetSelectedFolder() != nullptr) {
        right->OnUpdate(DocumentEvent::kHintNew);
    }
}

void CMainFrame::OnUserProfile() {
    if (!LeaveProfileViewOrSay()) {
        return;
    }
    const CView* right = GetRightView();
    ViewKind target = ViewKind::Profile;
    if (right != nullptr && right->Kind() == ViewKind::Profile) {
        // Back to the folder on display; its group decides the view, as it
        // does when the folder is opened from the tree.
        const gb::itemdb::CFolderNode* selected = document_.GetSelectedFolder();
        target = ViewKindForFolder(selected != nullptr ? selected->type : 0);
    }
    CView* shown = ShowRightView(target);
    if (shown != nullptr && target != ViewKind::Profile) {
        shown->OnUpdate(DocumentEvent::kHintNew);
    }
}

void CMainFrame::OnUserGuide() {
    if (!LeaveProfileViewOrSay()) {
        return;
    }
    document_.SelectFolder(gb::itemdb::folder::Contents);
    const QString caption = CaptionText();
    CView* shown = ShowRightView(ViewKind::Web);
    if (shown != nullptr) {
        shown->OnUpdate(DocumentEvent::kHintNew);
    }
    bandBar_->SetCaptionText(caption);
}

void CMainFrame::OnClipboardTemplates() {
    const std::filesystem::path& folder = app_.GetProgramFolder();
    if (!services_.shell.StartProgram(folder / kTemplateEditor, folder)) {
        services_.messages.Show(UiText(string_id::TemplateEditorMissing));
    }
}

// --- What the views show ------------------------------------------------------

bool CMainFrame::EnableToolbar(int folderKind) {
    if (toolBar_ == nullptr) {
        return false;
    }
    const ToolbarVisibility shown = ToolbarVisibility::ForFolderKind(folderKind);
    toolBar_->ShowButtons(shown);
    bandBar_->ShowBands(shown);
    return true;
}

std::string CMainFrame::ShownWebAddress() const {
    const CView* right = GetRightView();
    return right != nullptr && right->Kind() == ViewKind::Web ? GetAddress() : std::string();
}

void CMainFrame::SetAddress(std::string_view text, bool addToHistory) {
    bandBar_->Address()->SetAddress(text, addToHistory);
}

std::string CMainFrame::GetAddress() const {
    return bandBar_->Address()->GetAddress();
}

std::optional<std::string> CMainFrame::FavoriteAddress(int index) const {
    return toolBar_->Menus().FavoriteAddress(index);
}

bool CMainFrame::IsBandShown(Band band) const {
    return bandBar_->IsBandShown(band);
}

bool CMainFrame::IsButtonShown(int command) const {
    return toolBar_->IsButtonShown(command);
}

void CMainFrame::OnBusyChanged(bool busy) {
    if (busy) {
        bandBar_->Animation()->Play();
    } else {
        bandBar_->Animation()->Stop();
    }
    RequestCommandRefresh();
}

bool CMainFrame::IsAnimationPlaying() const {
    return bandBar_->Animation()->IsPlaying();
}

void CMainFrame::SetSummary(std::size_t count, std::string_view minimumValue,
                            std::string_view totalBids) {
    bandBar_->Summary()->SetValues(std::to_string(count), minimumValue, totalBids);
}

void CMainFrame::SetStatusText(std::string_view title, std::string_view description) {
    bandBar_->SetStatusText(title, description);
}

QString CMainFrame::CaptionText() const {
    return bandBar_->CaptionText();
}

void CMainFrame::UpdateCaption() {
    // The window system adds the program's display name, "Gavelbook", to
    // every title (LotkeeperProgram::SetApplicationNames); giving it here too
    // would show it twice.
    setWindowTitle(ToQt(document_.GetTitle()));
}

// --- Placement and closing ------------------------------------------------------

bool CMainFrame::LoadWindowPlacement() {
    return FramePlacement(*this, app_.GetUserSettings()).Load();
}

bool CMainFrame::SaveWindowPlacement() {
    return FramePlacement(*this, app_.GetUserSettings()).Save();
}

bool CMainFrame::RefuseDuringUpdate() {
    if (!document_.IsUpdating()) {
        return false;
    }
    services_.messages.Show(UiText(string_id::UpdateRunning));
    return true;
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The settings are read once the window exists: the pane shows them now.
    statusBar_->UpdateTemplatePane();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // What was typed into the profile view is part of the profile the user
    // is asked to save.
    StoreRightForm();
    if (RefuseDuringUpdate() || !document_.SaveModified()) {
        event->ignore();
        return;
    }
    AddressBox()->SaveStrings();
    SaveWindowPlacement();
    event->accept();
}

void CMainFrame::AcceptDroppedFiles(std::function<void(const std::filesystem::path&)> open) {
    new FileDropFilter(std::move(open), this);
}

void CMainFrame::BringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget(); dialog != nullptr && dialog != this) {
        dialog->raise();
        dialog->activateWindow();
    }
}

// --- Messages from other threads ------------------------------------------------

void CMainFrame::Post(const gb::WindowMessage& message) {
    // Runs on the posting thread: only queue the message for this window's.
    QMetaObject::invokeMethod(
        this, [this, message] { updateRun_.OnRetrievalMessage(message); }, Qt::QueuedConnection);
}

bool CMainFrame::StartUpdate() {
    return updateRun_.StartUpdate();
}

}  // namespace gb::app::ui
