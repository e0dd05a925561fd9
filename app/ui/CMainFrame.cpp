#include "app/ui/CMainFrame.h"

#include <QtCore/QMimeData>
#include <QtCore/QUrl>
#include <QtGui/QCloseEvent>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QSizePolicy>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolButton>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandCatalog.h"
#include "app/core/CommandIds.h"
#include "app/core/StatusTexts.h"
#include "app/core/TemplateSlots.h"
#include "app/core/UiStrings.h"
#include "app/core/WindowPlacement.h"
#include "app/core/problems/RetrievalProblems.h"
#include "app/core/web/Favorites.h"
#include "app/core/web/WebCommands.h"
#include "app/dialogs/calendar/CCalendarDlg.h"
#include "app/dialogs/problems/CProblemDlg.h"
#include "app/ui/ArtLibrary.h"
#include "app/ui/CBusyAnimation.h"
#include "app/ui/CMainView.h"
#include "app/ui/CNavView.h"
#include "app/ui/CSummaryBar.h"
#include "app/ui/CommandActions.h"
#include "app/ui/help/HelpCommands.h"
#include "interfaces/RetrievalNotify.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/TemplateLibrary.h"
#include "itemdb/UpdateRun.h"
#include "platform/WindowRegistry.h"
#include "widgets/CHistoryCombo.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::DocumentEvent;
using gb::itemdb::UpdateRun;
using gb::itemdb::WM_RETRIEVED_ROW;

namespace gb::app::ui {

using gb::widgets::PathFromQt;
using gb::widgets::ToQt;

namespace {

constexpr const char* kTemplateEditor = "Template";
// The address box keeps the addresses entered last across starts.
constexpr const char* kAddressHistorySection = "WebSites";
constexpr int kAddressHistorySize = 10;

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
      updatePrompts_(services.messages),
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
    UpdateRun& update = document_.GetUpdateRun();
    update.SetMainWindow(handle_);
    update.SetPrompts(&updatePrompts_);
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
    UpdateRun& update = document_.GetUpdateRun();
    update.SetPrompts(nullptr);
    update.SetMainWindow(0);
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
    UpdateTemplatePane();
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

QMenu* CMainFrame::AddMenu(const MenuLayout& layout) {
    QMenu* menu = menuBar()->addMenu(ToQt(layout.title));
    for (int id : layout.entries) {
        if (id == kMenuSeparator) {
            menu->addSeparator();
        } else if (id == kMenuRecentProfiles) {
            AddRecentProfiles(menu);
        } else {
            menu->addAction(actions_->Action(id));
        }
    }
    actions_->Watch(menu);
    return menu;
}

void CMainFrame::AddRecentProfiles(QMenu* menu) {
    for (int id = cmd::FileRecent1; id <= cmd::FileRecent4; ++id) {
        menu->addAction(actions_->Action(id));
    }
    QAction* recentEnd = menu->addSeparator();
    connect(menu, &QMenu::aboutToShow, this, [this, recentEnd] {
        const std::size_t count = app_.GetRecentFiles().Entries().size();
        for (int id = cmd::FileRecent1; id <= cmd::FileRecent4; ++id) {
            actions_->Action(id)->setVisible(static_cast<std::size_t>(id - cmd::FileRecent1) <
                                             count);
        }
        recentEnd->setVisible(count > 0);
    });
}

void CMainFrame::CreateMenus() {
    for (const MenuLayout& layout : MainMenus()) {
        AddMenu(layout);
    }
    // F1 has no menu entry: the window's own action carries it.
    actions_->Action(help_cmd::Help)->setShortcut(QKeySequence(Qt::Key_F1));
}

QMenu* CMainFrame::TemplateMenu() {
    auto* menu = new QMenu(this);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        app_.ReloadTemplateLibrary();
        const TemplateSlots templateSlots =
            TemplateSlots::From(app_.GetTemplateLibrary(), app_.GetCurrentTemplateIndex());
        for (std::size_t slot = 0; slot < templateSlots.names.size(); ++slot) {
            const int id = cmd::PasteTemplate1 + static_cast<int>(slot);
            QAction* action = menu->addAction(ToQt(templateSlots.names[slot]));
            action->setEnabled(router_.Query(id).enabled);
            connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
            if (templateSlots.defaultSlot == slot) {
                menu->setDefaultAction(action);
            }
        }
        menu->addAction(actions_->Action(cmd::MoreTemplates));
    });
    return menu;
}

QMenu* CMainFrame::NavigateMenu() {
    auto* menu = new QMenu(this);
    QAction* viewItem = menu->addAction(QStringLiteral("View Item"));
    connect(viewItem, &QAction::triggered, this, [this] { ExecuteCommand(cmd::ViewListing); });
    menu->setDefaultAction(viewItem);
    menu->addAction(actions_->Action(cmd::BidHistory));
    menu->addAction(actions_->Action(cmd::Feedback));
    connect(menu, &QMenu::aboutToShow, this,
            [this, viewItem] { viewItem->setEnabled(router_.Query(cmd::ViewListing).enabled); });
    actions_->Watch(menu);
    return menu;
}

QMenu* CMainFrame::FontsMenu() {
    auto* menu = new QMenu(this);
    for (int id = cmd::FontLargest; id <= cmd::FontSmallest; ++id) {
        menu->addAction(actions_->Action(id));
    }
    actions_->Watch(menu);
    return menu;
}

QMenu* CMainFrame::FavoritesMenu() {
    auto* menu = new QMenu(this);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        favorites_.clear();
        const std::optional<std::filesystem::path> folder =
            gb::app::FavoritesFolder(app_.GetUserSettings());
        if (!folder) {
            return;
        }
        Favorites favorites = ReadFavorites(*folder);
        favorites_ = std::move(favorites.addresses);
        const std::function<void(QMenu*, const gb::app::FavoritesMenu&)> fill =
            [this, &fill](QMenu* target, const gb::app::FavoritesMenu& entries) {
                for (const gb::app::FavoritesMenu& subMenu : entries.subMenus) {
                    fill(target->addMenu(ToQt(subMenu.name)), subMenu);
                }
                for (std::size_t k = 0; k < entries.titles.size(); ++k) {
                    const int id =
                        web_cmd::FavoriteFirst + static_cast<int>(entries.firstIndex + k);
                    connect(target->addAction(ToQt(entries.titles[k])), &QAction::triggered, this,
                            [this, id] { ExecuteCommand(id); });
                }
            };
        fill(menu, favorites.menu);
    });
    return menu;
}

QMenu* CMainFrame::DropDownMenu(int command) const {
    QAction* button = buttons_.value(command);
    const auto* tool =
        button != nullptr ? qobject_cast<QToolButton*>(toolBar_->widgetForAction(button)) : nullptr;
    QMenu* menu = tool != nullptr ? tool->menu() : nullptr;
    if (menu != nullptr) {
        Q_EMIT menu->aboutToShow();
    }
    return menu;
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarEntry& entry : MainToolbar()) {
        if (entry.command == 0) {  // a separator
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = actions_->AddButtonAction(entry.command);
        buttons_.insert(entry.command, action);
        toolBar_->addAction(action);
        if (entry.dropDown == ToolbarEntry::DropDown::None) {
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action));
        QMenu* menu = entry.command == cmd::EditCopy       ? TemplateMenu()
                      : entry.command == cmd::ViewListing  ? NavigateMenu()
                      : entry.command == cmd::WebFonts     ? FontsMenu()
                      : entry.command == cmd::WebFavorites ? FavoritesMenu()
                                                           : nullptr;
        if (button != nullptr && menu != nullptr) {
            button->setMenu(menu);
            button->setPopupMode(entry.dropDown == ToolbarEntry::DropDown::Arrow
                                     ? QToolButton::MenuButtonPopup
                                     : QToolButton::InstantPopup);
        }
    }
}

void CMainFrame::CreateBands() {
    addToolBarBreak();
    bandBar_ = addToolBar(QStringLiteral("Folder"));
    bandBar_->setObjectName(QStringLiteral("FolderBar"));
    bandBar_->setMovable(false);
    bandBar_->toggleViewAction()->setVisible(false);

    summaryBar_ = new CSummaryBar(bandBar_);
    bands_[static_cast<int>(Band::Summary)] = bandBar_->addWidget(summaryBar_);

    captionPanel_ = new QLabel(QStringLiteral("Processing..."), bandBar_);
    captionPanel_->setObjectName(QStringLiteral("CaptionPanel"));
    captionPanel_->setMinimumWidth(260);
    captionPanel_->setContentsMargins(12, 0, 12, 0);
    captionPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bands_[static_cast<int>(Band::Caption)] = bandBar_->addWidget(captionPanel_);

    auto* address = new QWidget(bandBar_);
    auto* addressLayout = new QHBoxLayout(address);
    addressLayout->setContentsMargins(4, 0, 4, 0);
    addressLayout->addWidget(new QLabel(ToQt(UiText(string_id::AddressLabel)), address));
    addressBox_ = new gb::widgets::CHistoryCombo(address);
    addressBox_->setObjectName(QStringLiteral("AddressBox"));
    addressBox_->SetSection(kAddressHistorySection, kAddressHistorySize);
    addressBox_->setMinimumWidth(200);
    connect(addressBox_->lineEdit(), &QLineEdit::returnPressed, this,
            &CMainFrame::OnAddressEntered);
    // An address picked from the list loads at once.
    connect(addressBox_, &QComboBox::activated, this, [this] { ExecuteCommand(web_cmd::Go); });
    addressBox_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addressLayout->addWidget(addressBox_, 1);
    address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bands_[static_cast<int>(Band::Address)] = bandBar_->addWidget(address);

    animation_ = new CBusyAnimation(bandBar_);
    bands_[static_cast<int>(Band::Animation)] = bandBar_->addWidget(animation_);
}

void CMainFrame::CreateStatusBar() {
    messagePane_ = new QLabel(statusBar());
    statusBar()->addWidget(messagePane_, 1);
    templatePane_ = new QLabel(statusBar());
    templatePane_->setMinimumWidth(templatePane_->fontMetrics().horizontalAdvance(
                                       QStringLiteral("Current Template: None - 0000000000")) *
                                   3 / 2);
    statusBar()->addPermanentWidget(templatePane_);
    SetMessageText(UiText(string_id::IdleText));
    SetTemplateName({});
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
    captionPanel_->setText(caption);
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
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        it.value()->setVisible(shown.IsShown(it.key()));
    }
    bool anyBand = false;
    for (int band = 0; band < kBandCount; ++band) {
        const bool bandShown = shown.IsShown(static_cast<Band>(band));
        bands_[static_cast<std::size_t>(band)]->setVisible(bandShown);
        anyBand = anyBand || bandShown;
    }
    bandBar_->setVisible(anyBand);
    return true;
}

std::string CMainFrame::ShownWebAddress() const {
    const CView* right = GetRightView();
    return right != nullptr && right->Kind() == ViewKind::Web ? GetAddress() : std::string();
}

void CMainFrame::SetAddress(std::string_view text, bool addToHistory) {
    addressBox_->AddText(ToQt(text), addToHistory);
}

std::string CMainFrame::GetAddress() const {
    return gb::widgets::FromQt(addressBox_->GetCurrentText());
}

std::optional<std::string> CMainFrame::FavoriteAddress(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= favorites_.size()) {
        return std::nullopt;
    }
    return favorites_[static_cast<std::size_t>(index)];
}

void CMainFrame::OnAddressEntered() {
    if (ExecuteCommand(web_cmd::Go)) {
        SetAddress(GetAddress(), true);
    }
}

bool CMainFrame::IsBandShown(Band band) const {
    return bandBar_->isVisibleTo(this) && bands_[static_cast<std::size_t>(band)]->isVisible();
}

bool CMainFrame::IsButtonShown(int command) const {
    const QAction* button = buttons_.value(command);
    return button != nullptr && button->isVisible();
}

void CMainFrame::OnBusyChanged(bool busy) {
    if (busy) {
        animation_->Play();
    } else {
        animation_->Stop();
    }
    RequestCommandRefresh();
}

bool CMainFrame::IsAnimationPlaying() const {
    return animation_->IsPlaying();
}

void CMainFrame::SetSummary(std::size_t count, std::string_view minimumValue,
                            std::string_view totalBids) {
    summaryBar_->SetValues(std::to_string(count), minimumValue, totalBids);
}

void CMainFrame::SetStatusText(std::string_view title, std::string_view description) {
    QString text = ToQt(CaptionPanelText(title, description));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    captionPanel_->setText(text);
}

QString CMainFrame::CaptionText() const {
    return captionPanel_->text();
}

void CMainFrame::SetMessageText(std::string_view text) {
    // A menu or button hint still showing would hide the text until the
    // mouse moves on.
    statusBar()->clearMessage();
    messagePane_->setText(ToQt(text));
}

QString CMainFrame::MessageText() const {
    const QString hint = statusBar()->currentMessage();
    return hint.isEmpty() ? messagePane_->text() : hint;
}

void CMainFrame::SetTemplateName(std::string_view name) {
    templateName_ = name;
    UpdateTemplatePane();
}

void CMainFrame::UpdateTemplatePane() {
    std::string name = templateName_;
    if (name.empty()) {
        const gb::itemdb::CTDocText* current =
            app_.GetTemplateLibrary().GetTemplate(app_.GetCurrentTemplateIndex());
        name = current != nullptr ? current->GetName() : UiText(string_id::Unknown);
    }
    templatePane_->setText(ToQt(gb::app::TemplatePaneText(name, app_.GetTemplateLibraryName())));
}

QString CMainFrame::TemplatePaneText() const {
    return templatePane_->text();
}

void CMainFrame::UpdateCaption() {
    // The window system adds the program's display name, "Gavelbook", to
    // every title (LotkeeperProgram::SetApplicationNames); giving it here too
    // would show it twice.
    setWindowTitle(ToQt(document_.GetTitle()));
}

// --- Placement and closing ------------------------------------------------------

bool CMainFrame::LoadWindowPlacement() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return false;
    }
    const QSize size = screen->geometry().size();
    const auto placement =
        gb::app::LoadWindowPlacement(app_.GetUserSettings(), {size.width(), size.height()});
    if (!placement) {
        return false;
    }
    setGeometry(QRect(QPoint(placement->left, placement->top),
                      QPoint(placement->right - 1, placement->bottom - 1)));
    switch (placement->showCommand) {
        case WindowPlacement::kShowMaximized:
            showMaximized();
            break;
        case WindowPlacement::kShowMinimized:
            showMinimized();
            break;
        default:
            showNormal();
            break;
    }
    return true;
}

bool CMainFrame::SaveWindowPlacement() {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    WindowPlacement placement;
    placement.showCommand = isMinimized()   ? WindowPlacement::kShowMinimized
                            : isMaximized() ? WindowPlacement::kShowMaximized
                                            : WindowPlacement::kShowNormal;
    if (isMinimized() && (windowState() & Qt::WindowMaximized)) {
        placement.flags = WindowPlacement::kRestoreToMaximized;
    }
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.right() + 1;
    placement.bottom = normal.bottom() + 1;
    return gb::app::SaveWindowPlacement(app_.GetUserSettings(), placement);
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
    UpdateTemplatePane();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // What was typed into the profile view is part of the profile the user
    // is asked to save.
    StoreRightForm();
    if (RefuseDuringUpdate() || !document_.SaveModified()) {
        event->ignore();
        return;
    }
    addressBox_->SaveStrings();
    SaveWindowPlacement();
    event->accept();
}

void CMainFrame::AcceptDroppedFiles(std::function<void(const std::filesystem::path&)> open) {
    openDropped_ = std::move(open);
    setAcceptDrops(true);
}

namespace {

std::optional<std::filesystem::path> FirstLocalFile(const QMimeData* data) {
    if (data != nullptr) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                return PathFromQt(url.toLocalFile());
            }
        }
    }
    return std::nullopt;
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (openDropped_ && FirstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (const auto path = FirstLocalFile(event->mimeData()); path && openDropped_) {
        event->acceptProposedAction();
        activateWindow();
        openDropped_(*path);
    }
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
        this, [this, message] { OnRetrievalMessage(message); }, Qt::QueuedConnection);
}

void CMainFrame::OnRetrievalMessage(const gb::WindowMessage& message) {
    if (message.message == WM_RETRIEVAL_NOTIFY) {
        OnUpdateProgress(message);
    } else if (message.message == WM_RETRIEVED_ROW) {
        document_.GetUpdateRun().OnMessage(message);
    }
}

void CMainFrame::OnUpdateProgress(const gb::WindowMessage& message) {
    if (message.wParam == static_cast<std::uintptr_t>(RetrievalNotifyKind::Detail)) {
        SetMessageText(progress_.Tick());
        return;
    }
    // The end of one retrieval: the run starts the next one, or is over.
    if (document_.GetUpdateRun().OnMessage(message)) {
        OnUpdateEnded();
    }
}

bool CMainFrame::StartUpdate() {
    if (document_.IsUpdating() || !document_.UpdateAuctions()) {
        return false;
    }
    progress_.Start();
    updateBusy_ = busy_.Hold();
    if (!document_.IsUpdating()) {
        OnUpdateEnded();
    }
    return true;
}

void CMainFrame::OnUpdateEnded() {
    updateBusy_.Release();
    // Ticks that come after the end leave "Update Complete!" alone.
    progress_.Complete();
    const bool failed = document_.GetUpdateRun().HasFailed();
    // The views reload the folder on display through a queued call of their
    // own. The report is queued behind it, so that the reloaded list's status
    // text does not replace "Update Complete!" at once.
    QMetaObject::invokeMethod(
        this,
        [this, failed] {
            SetMessageText(progress_.Text());
            if (failed) {
                CProblemDlg problems(RetrievalProblems::Read(), this);
                services_.modals.Run(problems);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace gb::app::ui
