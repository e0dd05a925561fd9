#include "template_editor/ui/CMainFrame.h"

#include <QtCore/QScopedValueRollback>
#include <QtCore/QTimer>
#include <QtGui/QCloseEvent>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "itemdb/FeeSchedule.h"
#include "platform/Cp1252.h"
#include "platform/PathText.h"
#include "template_editor/core/EditorCommands.h"
#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/SaveBeforeCommand.h"
#include "template_editor/core/TableParts.h"
#include "template_editor/core/TemplateDoc.h"
#include "template_editor/dialogs/AboutDlg.h"
#include "template_editor/dialogs/DialogMessages.h"
#include "template_editor/dialogs/FieldDlg.h"
#include "template_editor/dialogs/OpenDlg.h"
#include "template_editor/ui/CSourceView.h"
#include "template_editor/ui/CTemplateBar.h"
#include "template_editor/ui/CWebView.h"
#include "template_editor/ui/EditorArt.h"
#include "widgets/GuardedTabBar.h"
#include "widgets/HelpService.h"
#include "widgets/LinkOpener.h"
#include "widgets/LockKeyPanes.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::editor {

using gb::widgets::ToQt;

namespace {

const QString kCaption = QStringLiteral("Gavelbook Template Editor");
constexpr std::string_view kFeeScheduleFile = "AucField.fee";

// The part of the screen the window takes when it first shows.
constexpr double kScreenShare = 0.85;

}  // namespace

CMainFrame::CMainFrame(CTemplateDoc& doc, TemplateDocPrompts& prompts,
                       gb::widgets::ModalRunner& runner, gb::widgets::HelpService& help,
                       std::filesystem::path programFolder)
    : doc_(doc),
      prompts_(prompts),
      runner_(runner),
      help_(help),
      programFolder_(std::move(programFolder)) {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("TemplateEditor"));

    auto* client = new QWidget(this);
    bar_ = new CTemplateBar(client);
    views_ = new QStackedWidget(client);
    source_ = new CSourceView(doc_, views_);
    web_ = new CWebView(doc_, runner_, programFolder_, views_);
    views_->addWidget(web_);
    views_->addWidget(source_);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(views_, 1);
    setCentralWidget(client);

    CreateCommands();
    CreateMenus();
    CreateToolBar();
    ConnectViews();
    statusBar()->showMessage(tr("Ready"));
    new gb::widgets::LockKeyPanes(*statusBar());
}

CMainFrame::~CMainFrame() {
    // The views and the bar go while this window is whole: whatever they
    // signal as they are taken down finds it and its commands.
    delete takeCentralWidget();
}

// --- Commands, menus and toolbar ---------------------------------------------

QAction* CMainFrame::AddCommand(int id, const QString& text, std::function<void()> handler) {
    auto* action = new QAction(text, this);
    action->setIcon(EditorArt::CommandIcon(id));
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    commands_[id] = action;
    return action;
}

void CMainFrame::CreateCommands() {
    AddCommand(cmd::New, tr("&New"), [this] { OnNew(); })->setShortcut(QKeySequence::New);
    AddCommand(cmd::Open, tr("&Open..."), [this] { OnOpen(); })->setShortcut(QKeySequence::Open);
    AddCommand(cmd::Save, tr("&Save"), [this] { OnSave(false); })->setShortcut(QKeySequence::Save);
    AddCommand(cmd::SaveAs, tr("Save &As..."), [this] { OnSave(true); });
    AddCommand(cmd::Exit, tr("E&xit"), [this] { close(); });

    const std::map<int, QString> menuTexts{
        {cmd::Undo, tr("&Undo")}, {cmd::SelectAll, tr("Select &All")}, {cmd::Cut, tr("Cu&t")},
        {cmd::Copy, tr("&Copy")}, {cmd::Paste, tr("&Paste")},
    };
    for (const EditCommand& command : EditCommands()) {
        const auto text = menuTexts.find(command.id);
        QAction* action =
            AddCommand(command.id, text != menuTexts.end() ? text->second : ToQt(command.tooltip),
                       [this, id = command.id] { RunEditCommand(id); });
        action->setToolTip(ToQt(command.tooltip));
        action->setCheckable(command.toggle);
    }
    commands_[cmd::Undo]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    commands_[cmd::SelectAll]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    commands_[cmd::Cut]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    commands_[cmd::Copy]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    commands_[cmd::Paste]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});

    AddCommand(cmd::ViewHeader, tr("&Header"), [this] { SelectSection(section::Header); });
    AddCommand(cmd::ViewRepeat, tr("&Repeat"), [this] { SelectSection(section::Repeat); });
    AddCommand(cmd::ViewFooter, tr("&Footer"), [this] { SelectSection(section::Footer); });
    AddCommand(cmd::ViewSource, tr("&Source"), [this] { SelectSection(section::Source); });
    // Keys without a menu item: the window holds them.
    addAction(AddCommand(cmd::NextPane, tr("Next Pane"), [this] { MoveToPane(1); }));
    addAction(AddCommand(cmd::PreviousPane, tr("Previous Pane"), [this] { MoveToPane(-1); }));
    commands_[cmd::NextPane]->setShortcut(QKeySequence(Qt::Key_F6));
    commands_[cmd::PreviousPane]->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    AddCommand(cmd::HelpTopics, tr("&Help Topics"), [this] {
        help_.ShowContextOrTell(gb::widgets::help_context::Templates, runner_, this);
    });
    AddCommand(cmd::About, tr("&About Template..."), [this] { OnAbout(); });

    formatMenu_ = new QMenu(this);
    connect(formatMenu_, &QMenu::aboutToShow, this, &CMainFrame::RebuildFormatMenu);
    QAction* format = AddCommand(cmd::Format, tr("Format"), [] {});
    format->setToolTip(tr("Format"));
    format->setMenu(formatMenu_);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions(
        {commands_[cmd::New], commands_[cmd::Open], commands_[cmd::Save], commands_[cmd::SaveAs]});
    file->addSeparator();
    file->addAction(commands_[cmd::Exit]);

    editMenu_ = menuBar()->addMenu(tr("&Edit"));
    editMenu_->addAction(commands_[cmd::Undo]);
    editMenu_->addSeparator();
    editMenu_->addAction(commands_[cmd::SelectAll]);
    editMenu_->addSeparator();
    editMenu_->addActions({commands_[cmd::Cut], commands_[cmd::Copy], commands_[cmd::Paste]});

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addActions(
        {commands_[cmd::ViewHeader], commands_[cmd::ViewRepeat], commands_[cmd::ViewFooter]});
    view->addSeparator();
    view->addAction(commands_[cmd::ViewSource]);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(commands_[cmd::HelpTopics]);
    help->addSeparator();
    help->addAction(commands_[cmd::About]);
}

void CMainFrame::CreateToolBar() {
    QToolBar* toolbar = addToolBar(tr("Standard"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(16, 16));
    const std::vector<std::vector<int>> groups{
        {cmd::New, cmd::Open, cmd::Save},
        {cmd::Undo, cmd::Cut, cmd::Copy, cmd::Paste},
        {cmd::Outdent, cmd::Indent},
        {cmd::Format, cmd::Bold, cmd::Italic, cmd::Underline, cmd::Font, cmd::AlignLeft,
         cmd::Center, cmd::AlignRight, cmd::Bullets, cmd::Numbers, cmd::Image, cmd::Link},
    };
    bool first = true;
    for (const auto& group : groups) {
        if (!first) {
            toolbar->addSeparator();
        }
        first = false;
        for (const int id : group) {
            toolbar->addAction(commands_[id]);
        }
    }
    if (auto* button =
            qobject_cast<QToolButton*>(toolbar->widgetForAction(commands_[cmd::Format]))) {
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
}

void CMainFrame::ConnectViews() {
    connect(&bar_->Tabs(), &gb::widgets::GuardedTabBar::TabEntered, this,
            &CMainFrame::OnTabEntered);
    connect(&bar_->FieldsButton(), &QPushButton::clicked, this, &CMainFrame::OnFields);
    connect(web_, &CWebView::StateChanged, this, &CMainFrame::UpdateEditCommands);
    connect(web_, &CWebView::ContextMenuWanted, this,
            [this](const QPoint& position) { editMenu_->popup(position); });
    connect(source_, &QPlainTextEdit::selectionChanged, this, &CMainFrame::UpdateEditCommands);
}

QAction* CMainFrame::Action(int id) const {
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : found->second;
}

// --- Sections ------------------------------------------------------------------

void CMainFrame::SwitchSection(int n) {
    if (n == shown_) {
        return;
    }
    shown_ = n;
    if (n == section::Source) {
        source_->LoadFromDocument();
        views_->setCurrentWidget(source_);
        source_->setFocus();
        UpdateEditCommands();
        return;
    }
    std::string body;
    doc_.GetSectionHTML(body, n);
    const bool safe = !HasStrayTablePart(body);
    web_->SetSection(n);
    web_->LoadSection(safe);
    views_->setCurrentWidget(web_);
    web_->setFocus();
    UpdateEditCommands();
    if (!safe && Ask(runner_, this, EditorStrings().Get(string_id::StrayTableParts))) {
        // After this change of tab has finished.
        QTimer::singleShot(0, this, [this] { SelectSection(section::Source); });
    }
}

void CMainFrame::SelectSection(int n) {
    bar_->Tabs().SelectTab(n);
}

void CMainFrame::OnTabEntered(int n) {
    bar_->ShowHelp(n);
    if (switchingFreely_) {
        SwitchSection(n);
        return;
    }
    StoreCurrentSection([this, n](bool stored) {
        if (stored) {
            SwitchSection(n);
            return;
        }
        SelectSectionFreely(shown_);
        Tell(runner_, this, EditorStrings().Get(string_id::TemplateMalformed));
    });
}

void CMainFrame::SelectSectionFreely(int n) {
    switchingFreely_ = true;
    if (bar_->Tabs().currentIndex() == n) {
        bar_->ShowHelp(n);
        SwitchSection(n);
    } else {
        bar_->Tabs().SelectTab(n);
    }
    switchingFreely_ = false;
}

void CMainFrame::ShowDocument() {
    RefreshTemplateBar();
    shown_ = -1;
    SelectSectionFreely(section::Header);
}

void CMainFrame::StoreCurrentSection(std::function<void(bool stored)> then) {
    const auto takeBar = [this] { doc_.SetKindAndSubject(bar_->GetType(), bar_->GetSubject()); };
    if (shown_ != section::Header && shown_ != section::Repeat && shown_ != section::Footer) {
        const bool stored = shown_ != section::Source || source_->StoreToDocument();
        takeBar();
        then(stored);
        return;
    }
    afterStore_.push_back(std::move(then));
    if (afterStore_.size() > 1) {
        return;  // the answer on its way serves this request too
    }
    web_->StoreToDocument([this, takeBar](bool stored) {
        takeBar();
        for (const auto& waiting : std::exchange(afterStore_, {})) {
            waiting(stored);
        }
    });
}

void CMainFrame::RefreshTemplateBar() {
    const gb::itemdb::CTDocText& current = doc_.GetTemplate();
    bar_->SetTitle(current.GetName(), current.GetDescription(),
                   gb::paths::ShownText(doc_.GetTitle()));
    bar_->SetTypeAndSubject(current.GetKind(), current.GetSubject());
}

// The panes, in the order F6 visits them: the template bar and the view shown.
void CMainFrame::MoveToPane(int step) {
    const std::array<QWidget*, 2> panes{bar_, views_->currentWidget()};
    const QWidget* focus = QApplication::focusWidget();
    const auto holding = std::find_if(panes.begin(), panes.end(), [focus](const QWidget* pane) {
        return focus != nullptr && (focus == pane || pane->isAncestorOf(focus));
    });
    const int count = static_cast<int>(panes.size());
    const int from = holding == panes.end() ? (step > 0 ? count - 1 : 0)
                                            : static_cast<int>(holding - panes.begin());
    QWidget* to = panes[static_cast<std::size_t>(((from + step) % count + count) % count)];
    // A view takes the focus back with its caret where it was: given a tab's
    // reason, the web engine would move the focus to the start of its page.
    to->setFocus(to == bar_ ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

// --- Editing commands ----------------------------------------------------------

void CMainFrame::RunEditCommand(int id) {
    if (shown_ != section::Source) {
        web_->Execute(id);
        return;
    }
    switch (id) {
        case cmd::Copy:
            source_->copy();
            break;
        case cmd::Cut:
            source_->cut();
            break;
        case cmd::Paste:
            source_->paste();
            break;
        case cmd::SelectAll:
            source_->selectAll();
            break;
        case cmd::Undo:
            source_->undo();
            break;
        default:
            break;
    }
}

void CMainFrame::UpdateEditCommands() {
    const bool source = shown_ == section::Source;
    const EditState& state = web_->State();
    for (const EditCommand& command : EditCommands()) {
        QAction* action = commands_[command.id];
        if (source) {
            action->setEnabled(command.run == EditRun::Engine);
            action->setChecked(false);
            continue;
        }
        const auto found = state.commands.find(command.id);
        const EditState::Command entry =
            found != state.commands.end() ? found->second : EditState::Command{};
        action->setEnabled(entry.enabled);
        action->setChecked(entry.checked);
    }
    commands_[cmd::Format]->setEnabled(!source && state.editable);
}

void CMainFrame::RebuildFormatMenu() {
    formatMenu_->clear();
    const std::string& current = web_->State().blockElement;
    for (const BlockFormat& format : BlockFormats()) {
        QAction* item = formatMenu_->addAction(ToQt(format.name));
        item->setCheckable(true);
        item->setChecked(gb::cp1252::EqualsNoCase(format.element, current));
        connect(item, &QAction::triggered, this,
                [this, element = std::string(format.element)] { web_->ApplyBlockFormat(element); });
    }
}

// --- File commands -------------------------------------------------------------

void CMainFrame::OpenStartupLibrary(const std::filesystem::path& path) {
    const LibraryState state = doc_.OpenLibrary(path);
    if (state != LibraryState::Read) {
        // The document has told of a file it cannot read.
        if (state == LibraryState::Missing) {
            Tell(runner_, this, EditorStrings().Get(string_id::LibraryNotFound));
        }
        doc_.NewDocument();
    }
    ShowDocument();
}

void CMainFrame::ShowDiscardedSection(const SaveStep& step) {
    if (!step.sectionDiscarded) {
        return;
    }
    const int section = shown_;
    shown_ = -1;
    SwitchSection(section);
}

void CMainFrame::OnNew() {
    StoreCurrentSection([this](bool stored) {
        const SaveStep step = SaveBeforeCommand(doc_, prompts_, FileCommand::New, stored);
        if (!step) {
            ShowDiscardedSection(step);
            return;
        }
        doc_.OpenDocument(doc_.GetPathName());
        doc_.SelectTemplate(-1);
        ShowDocument();
    });
}

void CMainFrame::OnOpen() {
    StoreCurrentSection([this](bool stored) {
        const SaveStep step = SaveBeforeCommand(doc_, prompts_, FileCommand::Open, stored);
        if (!step) {
            ShowDiscardedSection(step);
            return;
        }
        COpenDlg dialog(runner_, doc_.GetPathName(), doc_.GetCurrentIndex(), this);
        if (runner_.Run(dialog) != QDialog::Accepted) {
            ShowDiscardedSection(step);
            return;
        }
        if (doc_.OpenDocument(dialog.GetLibraryPath())) {
            doc_.SelectTemplate(dialog.GetSelected());
        }
        ShowDocument();
    });
}

void CMainFrame::OnSave(bool saveAs) {
    StoreCurrentSection([this, saveAs](bool stored) {
        SaveBeforeCommand(doc_, prompts_, saveAs ? FileCommand::SaveAs : FileCommand::Save, stored);
        RefreshTemplateBar();
    });
}

void CMainFrame::OnFields() {
    // The button takes no focus: the caret is still where the user left it.
    const bool intoSubject = bar_->SubjectEdit().hasFocus();
    gb::itemdb::CFeeSchedule schedule;
    schedule.Load(programFolder_ / kFeeScheduleFile);
    CFieldDlg dialog(schedule, this);
    if (runner_.Run(dialog) != QDialog::Accepted || dialog.GetResult().empty()) {
        return;
    }
    const QString tokens = ToQt(dialog.GetResult());
    if (intoSubject) {
        bar_->SubjectEdit().setFocus();
        bar_->SubjectEdit().insert(tokens);
    } else if (shown_ == section::Source) {
        source_->InsertText(tokens);
    } else {
        web_->InsertText(tokens);
    }
}

void CMainFrame::OnAbout() {
    gb::widgets::DesktopLinkOpener opener(help_.Opener(), runner_, this);
    CAboutDlg about(opener, this);
    runner_.Run(about);
}

// --- Window --------------------------------------------------------------------

void CMainFrame::PlaceWindow() {
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size(static_cast<int>(area.width() * kScreenShare),
                     static_cast<int>(area.height() * kScreenShare));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
}

void CMainFrame::BringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

// The window stays until the section shown is stored and the template saved
// as the user wants; when the design view answers after this event, the
// window then closes itself.
void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!readyToClose_) {
        const QScopedValueRollback<bool> inside(inCloseEvent_, true);
        StoreCurrentSection([this](bool stored) { PrepareClose(stored); });
    }
    event->setAccepted(readyToClose_);
}

void CMainFrame::PrepareClose(bool sectionStored) {
    const SaveStep step = SaveBeforeCommand(doc_, prompts_, FileCommand::Close, sectionStored);
    if (!step || !doc_.SaveModified()) {
        ShowDiscardedSection(step);
        return;
    }
    doc_.CloseDocument();
    readyToClose_ = true;
    if (!inCloseEvent_) {
        close();
    }
}

}  // namespace gb::editor
