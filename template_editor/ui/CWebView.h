#pragma once
// The editor's design view: one page of the template (header, repeat or
// footer) in the web engine's design mode. The page's own scripts stay off;
// the editing script runs in a world of its own. The formatting commands are
// the engine's editing commands, and their states are read back from it.
//
// The view hands a page back to the document only when the user changed it,
// so that showing a section never rewrites it.

#include <QtWebEngineWidgets/QWebEngineView>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

class CTemplateDoc;
struct EditCommand;

// What the page last reported of the editing commands.
struct EditState {
    struct Command {
        bool enabled = false;
        bool checked = false;
    };
    bool editable = false;
    std::map<int, Command> commands;  // by command ID
    std::string blockElement;         // the current block's element ("p", "h1", ...)
};

class CWebView final : public QWebEngineView {
    Q_OBJECT

public:
    CWebView(CTemplateDoc& doc, gb::widgets::ModalRunner& runner,
             const std::filesystem::path& programFolder, QWidget* parent = nullptr);
    ~CWebView() override;

    void SetSection(int section) { section_ = section; }

    // Shows the document's page of the section; `editable` false shows it
    // read-only.
    void LoadSection(bool editable = true);
    bool IsLoaded() const { return loaded_; }
    // Reads the page and stores it into the document when the user changed
    // it, then tells `done` whether that succeeded: false when the page cannot
    // be read or the document refuses it. The page answers later; `done` is
    // dropped when the view goes first.
    void StoreToDocument(std::function<void(bool stored)> done);

    // Runs one editing command (a row of the command map); false for an ID
    // the view does not handle.
    bool Execute(int id);
    // Makes the current block an element of the Format list.
    void ApplyBlockFormat(const std::string& element);
    // Inserts text at the caret, as typing would.
    void InsertText(const QString& text);

    const EditState& State() const { return state_; }
    // Asks the page for the commands' states; StateChanged follows.
    void RefreshState();

Q_SIGNALS:
    void StateChanged();
    // The user asked for a context menu at a point on the screen.
    void ContextMenuWanted(const QPoint& globalPosition);

private:
    // `call` made safe to run from the engine: it does nothing once this view
    // has begun to go. The page is a child that Qt takes down after this
    // view's own destructor, and the engine answers the scripts it still
    // owes, and ends a load, as the page goes.
    template <typename Call>
    auto WhileAlive(Call call) const {
        return [lifetime = std::weak_ptr<const int>(lifetime_),
                call = std::move(call)](const auto&... arguments) {
            if (!lifetime.expired()) {
                call(arguments...);
            }
        };
    }

    void OnLoadFinished(bool ok);
    void RunCommand(const QString& command, const std::optional<QString>& argument);
    // Stores the page the editing script gave for `section`; true when it is
    // unchanged or stored.
    bool StorePage(const QVariant& page, int section);
    void TakeState(const QVariant& result);

    CTemplateDoc& doc_;
    gb::widgets::ModalRunner& runner_;
    QUrl baseUrl_;
    int section_ = 0;
    bool loaded_ = false;
    bool editable_ = true;
    EditState state_;
    // Ends with the view's destructor: what WhileAlive wraps checks it.
    std::shared_ptr<const int> lifetime_ = std::make_shared<const int>(0);
};

}  // namespace gb::editor
