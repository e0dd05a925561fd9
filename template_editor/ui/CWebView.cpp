#include "template_editor/ui/CWebView.h"

#include <QtCore/QFile>
#include <QtCore/QMimeData>
#include <QtCore/QTimer>
#include <QtGui/QClipboard>
#include <QtWebEngineCore/QWebEnginePage>
#include <QtWebEngineCore/QWebEngineProfile>
#include <QtWebEngineCore/QWebEngineScript>
#include <QtWebEngineCore/QWebEngineScriptCollection>
#include <QtWebEngineCore/QWebEngineSettings>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFontDialog>
#include <QtWidgets/QInputDialog>

#include <functional>
#include <memory>
#include <utility>

#include "template_editor/core/EditorCommands.h"
#include "template_editor/core/TemplateDoc.h"
#include "template_editor/ui/HtmlText.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::editor {

namespace {

constexpr QWebEngineScript::ScriptWorldId kEditingWorld = QWebEngineScript::ApplicationWorld;

QString EditingScript() {
    QFile file(QStringLiteral(":/template_editor/EditingScript.js"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString FromView(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A string as a script literal.
QString Literal(const QString& text) {
    QString literal = QStringLiteral("'");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\'')) {
            literal += QLatin1Char('\\');
            literal += c;
        } else if (c.unicode() < 0x20 || c == QChar(0x2028) || c == QChar(0x2029)) {
            literal += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            literal += c;
        }
    }
    return literal + QLatin1Char('\'');
}

// What the editing script logs when the caret or the selection moved.
const QString kSelectionMessage = QStringLiteral("gbEditor:selectionchange");

// The page of the design view: it runs no scripts of its own and goes nowhere
// but where the view sends it. It tells when the editing script reports a
// move of the selection.
class EditingPage final : public QWebEnginePage {
public:
    EditingPage(QWebEngineProfile* profile, QObject* parent, std::function<void()> onSelection)
        : QWebEnginePage(profile, parent), onSelection_(std::move(onSelection)) {
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    }

protected:
    // Only the view's own loads of a page stand: a link, a form, a refresh
    // or redirect, a script or a frame would put something else in its place
    // and so into the template.
    bool acceptNavigationRequest(const QUrl&, NavigationType type, bool isMainFrame) override {
        return isMainFrame && type == NavigationTypeTyped;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        if (message == kSelectionMessage) {
            onSelection_();
        }
    }

private:
    std::function<void()> onSelection_;
};

// The design views' profile, kept in memory: the editor leaves no browsing
// data. It lives as long as the application, so it outlasts every page.
QWebEngineProfile* EditingProfile() {
    static QWebEngineProfile* profile = new QWebEngineProfile(QCoreApplication::instance());
    return profile;
}

}  // namespace

CWebView::CWebView(CTemplateDoc& doc, gb::widgets::ModalRunner& runner,
                   const std::filesystem::path& programFolder, QWidget* parent)
    : QWebEngineView(parent),
      doc_(doc),
      runner_(runner),
      baseUrl_(QUrl::fromLocalFile(gb::widgets::PathToQt(programFolder / ""))) {
    auto* page = new EditingPage(EditingProfile(), this, WhileAlive([this] { RefreshState(); }));
    QWebEngineScript script;
    script.setName(QStringLiteral("editing"));
    script.setSourceCode(EditingScript());
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(kEditingWorld);
    script.setRunsOnSubFrames(false);
    page->scripts().insert(script);
    setPage(page);
    connect(page, &QWebEnginePage::loadFinished, this,
            WhileAlive([this](bool ok) { OnLoadFinished(ok); }));
    // The engine's own menu gives way to the program's Edit menu, shown once
    // the engine has finished handling the click.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QTimer::singleShot(
            0, this, [this, global = mapToGlobal(position)] { Q_EMIT ContextMenuWanted(global); });
    });
}

CWebView::~CWebView() {
    lifetime_.reset();
}

void CWebView::LoadSection(bool editable) {
    std::string page;
    switch (section_) {
        case section::Header:
            page = doc_.GetTemplate().GetHeader();
            break;
        case section::Repeat:
            page = doc_.GetTemplate().GetRepeat();
            break;
        case section::Footer:
            page = doc_.GetTemplate().GetFooter();
            break;
        default:
            break;
    }
    loaded_ = false;
    editable_ = editable;
    state_ = EditState{};
    Q_EMIT StateChanged();
    this->page()->setHtml(gb::widgets::ToQt(page), baseUrl_);
}

void CWebView::OnLoadFinished(bool ok) {
    if (!ok) {
        return;
    }
    page()->runJavaScript(QStringLiteral("gbEditor.begin(%1)").arg(editable_ ? "true" : "false"),
                          kEditingWorld, WhileAlive([this](const QVariant&) {
                              loaded_ = true;
                              RefreshState();
                          }));
}

void CWebView::StoreToDocument(std::function<void(bool stored)> done) {
    if (!loaded_) {
        // Nothing has been shown, so nothing can have changed.
        done(true);
        return;
    }
    page()->runJavaScript(
        QStringLiteral("window.gbEditor ? gbEditor.changedPage() : undefined"), kEditingWorld,
        WhileAlive([this, section = section_, done = std::move(done)](const QVariant& page) {
            done(StorePage(page, section));
        }));
}

bool CWebView::StorePage(const QVariant& page, int section) {
    if (!page.isValid()) {
        return false;
    }
    if (page.typeId() == QMetaType::Bool) {
        return true;  // unchanged
    }
    if (!doc_.StoreSection(HtmlFromQt(page.toString()), section)) {
        return false;
    }
    // What was stored is the document's now; only later edits count.
    this->page()->runJavaScript(QStringLiteral("gbEditor.changed = false"), kEditingWorld);
    return true;
}

bool CWebView::Execute(int id) {
    const EditCommand* command = FindEditCommand(id);
    if (command == nullptr) {
        return false;
    }
    const QString name = FromView(command->command);
    switch (command->run) {
        case EditRun::Engine: {
            static const std::map<int, QWebEnginePage::WebAction> kActions{
                {cmd::Copy, QWebEnginePage::Copy},   {cmd::Cut, QWebEnginePage::Cut},
                {cmd::Paste, QWebEnginePage::Paste}, {cmd::SelectAll, QWebEnginePage::SelectAll},
                {cmd::Undo, QWebEnginePage::Undo},
            };
            page()->triggerAction(kActions.at(id));
            RefreshState();
            break;
        }
        case EditRun::Document:
            RunCommand(name, std::nullopt);
            break;
        case EditRun::AskFont: {
            QFontDialog dialog(font(), this);
            if (runner_.Run(dialog) == QDialog::Accepted) {
                RunCommand(name, dialog.selectedFont().family());
            }
            break;
        }
        case EditRun::AskImage:
        case EditRun::AskLink: {
            QInputDialog dialog(this);
            dialog.setObjectName(QStringLiteral("AddressDialog"));
            dialog.setWindowTitle(FromView(command->tooltip));
            dialog.setLabelText(command->run == EditRun::AskImage ? tr("Picture address:")
                                                                  : tr("Link address:"));
            if (runner_.Run(dialog) == QDialog::Accepted &&
                !dialog.textValue().trimmed().isEmpty()) {
                RunCommand(name, dialog.textValue().trimmed());
            }
            break;
        }
    }
    return true;
}

void CWebView::ApplyBlockFormat(const std::string& element) {
    RunCommand(QStringLiteral("formatBlock"), QString::fromStdString(element));
}

void CWebView::InsertText(const QString& text) {
    RunCommand(QStringLiteral("insertText"), text);
}

void CWebView::RunCommand(const QString& command, const std::optional<QString>& argument) {
    const QString script =
        argument ? QStringLiteral("gbEditor.run(%1, %2)").arg(Literal(command), Literal(*argument))
                 : QStringLiteral("gbEditor.run(%1)").arg(Literal(command));
    page()->runJavaScript(script, kEditingWorld);
    RefreshState();
}

void CWebView::RefreshState() {
    if (!loaded_) {
        return;
    }
    QStringList names;
    for (const EditCommand& command : EditCommands()) {
        names << Literal(FromView(command.command));
    }
    page()->runJavaScript(QStringLiteral("gbEditor.states([%1])").arg(names.join(QLatin1Char(','))),
                          kEditingWorld,
                          WhileAlive([this](const QVariant& result) { TakeState(result); }));
}

void CWebView::TakeState(const QVariant& result) {
    const QVariantMap map = result.toMap();
    EditState state;
    state.editable = map.value(QStringLiteral("editable")).toBool();
    state.blockElement = map.value(QStringLiteral("block")).toString().toStdString();
    const QVariantMap commands = map.value(QStringLiteral("commands")).toMap();
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    const bool canPaste = clipboard != nullptr && (clipboard->hasText() || clipboard->hasHtml());
    for (const EditCommand& command : EditCommands()) {
        const QVariantList pair = commands.value(FromView(command.command)).toList();
        EditState::Command entry;
        entry.enabled = !pair.isEmpty() && pair[0].toBool();
        entry.checked = command.toggle && pair.size() > 1 && pair[1].toBool();
        if (command.id == cmd::Paste) {
            entry.enabled = state.editable && canPaste;
        }
        state.commands[command.id] = entry;
    }
    state_ = std::move(state);
    Q_EMIT StateChanged();
}

}  // namespace gb::editor
