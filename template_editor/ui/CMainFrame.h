#pragma once
// The editor's main window: the menus and toolbar, the template bar, and the
// two views of the one document (the design view for the header, repeat and
// footer pages, the source view for all three joined). It switches sections,
// storing the section shown first, and runs the file commands, Add Fields and
// help.

#include <QtWidgets/QMainWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <vector>

class QMenu;
class QStackedWidget;

namespace gb::widgets {
class HelpService;
class ModalRunner;
}  // namespace gb::widgets

namespace gb::editor {

class CSourceView;
class CTemplateBar;
class CTemplateDoc;
class CWebView;
class TemplateDocPrompts;
struct SaveStep;

class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    // The document and its prompts outlive the window.
    CMainFrame(CTemplateDoc& doc, TemplateDocPrompts& prompts, gb::widgets::ModalRunner& runner,
               gb::widgets::HelpService& help, std::filesystem::path programFolder);
    ~CMainFrame() override;

    // Opens the library at start-up; when it cannot be opened, says so and
    // starts a new template. Shows the header.
    void OpenStartupLibrary(const std::filesystem::path& path);
    // Brings the window to the front, restored when minimised.
    void BringToFront();
    // The size and place of the window when it first shows: most of the
    // screen it is on.
    void PlaceWindow();

    CTemplateDoc& Document() { return doc_; }
    CWebView& EditingView() { return *web_; }
    CSourceView& SourceView() { return *source_; }
    CTemplateBar& TemplateBar() { return *bar_; }
    QMenu& EditMenu() { return *editMenu_; }
    QMenu& FormatMenu() { return *formatMenu_; }
    // The menu or toolbar command of an ID; null for none.
    QAction* Action(int id) const;
    int GetSectionShown() const { return shown_; }

    // The visible view stores its text, then the template takes the type and
    // subject of the template bar; then `then` learns whether the view's text
    // was stored. The design view answers later: requests made meanwhile are
    // served, in order, by that answer.
    void StoreCurrentSection(std::function<void(bool stored)> then);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddCommand(int id, const QString& text, std::function<void()> handler);
    void CreateCommands();
    void CreateMenus();
    void CreateToolBar();
    void ConnectViews();

    // Shows section `n` in its view when it is not the one shown.
    void SwitchSection(int n);
    // Selects the tab of section `n`, storing the section shown first.
    void SelectSection(int n);
    // The user chose the tab of section `n`: stores the section shown, then
    // shows `n`, or puts the tab of the section shown back.
    void OnTabEntered(int n);
    // Selects the tab of section `n` without storing the section shown.
    void SelectSectionFreely(int n);
    // When the user chose to discard the section's edits that could not be
    // stored and the command then stopped, shows the section afresh from the
    // document.
    void ShowDiscardedSection(const SaveStep& step);
    // Shows the document's current template from its header, without
    // storing the section shown.
    void ShowDocument();
    // Gives the focus to the pane `step` panes on from the one holding it.
    void MoveToPane(int step);
    void RefreshTemplateBar();
    void UpdateEditCommands();
    void RebuildFormatMenu();
    void RunEditCommand(int id);

    void OnNew();
    void OnOpen();
    void OnSave(bool saveAs);
    void OnFields();
    void OnAbout();
    // Saves as closing asks, then lets the window go.
    void PrepareClose(bool sectionStored);

    CTemplateDoc& doc_;
    TemplateDocPrompts& prompts_;
    gb::widgets::ModalRunner& runner_;
    gb::widgets::HelpService& help_;
    std::filesystem::path programFolder_;

    CTemplateBar* bar_ = nullptr;
    QStackedWidget* views_ = nullptr;
    CSourceView* source_ = nullptr;
    CWebView* web_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* formatMenu_ = nullptr;
    std::map<int, QAction*> commands_;
    int shown_ = -1;
    // Set while the document, not the user, changes the section: the section
    // shown is not stored.
    bool switchingFreely_ = false;
    // What waits for the design view's page to be stored.
    std::vector<std::function<void(bool stored)>> afterStore_;
    // The template has been saved as closing asks: the window may go.
    bool readyToClose_ = false;
    bool inCloseEvent_ = false;
};

}  // namespace gb::editor
