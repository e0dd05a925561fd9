#pragma once
// A modal property sheet: a tab bar over pages and OK and Cancel. The sheet's
// owner keeps the record the pages edit (a copy of its own data), runs the
// sheet and takes the copy back only when Run() reports OK; Cancel leaves the
// copy to be discarded.
//
// Pages are built from their factories when first shown. Leaving a page runs
// its Store(); when it refuses, the sheet stays on that page and shows the
// message. OK stores the page shown and closes the sheet only when it may be
// left. Messages and the sheet itself run through the modal runner.

#include <QtWidgets/QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QStackedWidget;

namespace gb::widgets {

class GuardedTabBar;
class ModalRunner;
class PropertyPage;

class PropertySheet : public QDialog {
    Q_OBJECT

public:
    using PageFactory = std::function<std::unique_ptr<PropertyPage>()>;

    explicit PropertySheet(ModalRunner& runner, QWidget* parent = nullptr);
    ~PropertySheet() override;

    // Adds a tab titled `title` whose page `factory` builds; gives its index.
    int AddPage(const QString& title, PageFactory factory);
    // Removes a page before the sheet is first shown.
    void RemovePage(int index);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // The page at `index`, or null while it has not been shown.
    PropertyPage* Page(int index) const;
    int ActiveIndex() const;

    // A line of text above the tabs; hidden while empty.
    void SetHeaderText(const QString& text);
    // The caption of the sheet's message boxes; the application's display
    // name unless set.
    void SetMessageCaption(const QString& caption) { messageCaption_ = caption; }

    // Shows page `index` as a click on its tab would; false when the page
    // shown refused to be left (its message has been shown).
    bool SetActivePage(int index);

    // Runs the sheet modally, starting on the first page; true for OK.
    bool Run();

    void accept() override;

protected:
    // Runs once when the sheet is first shown, before its first page is built:
    // the place to show what depends on the record the owner put in.
    virtual void InitSheet() {}

    void showEvent(QShowEvent* event) override;

private:
    struct PageSlot {
        PageFactory factory;
        PropertyPage* page = nullptr;
    };

    void Activate(int index);
    std::optional<QString> StorePage(int index);
    void ShowRefusal(const QString& message);

    ModalRunner& runner_;
    QLabel* header_;
    GuardedTabBar* tabs_;
    QStackedWidget* stack_;
    QDialogButtonBox* buttons_;
    std::vector<PageSlot> pages_;
    QString messageCaption_;
    bool initialised_ = false;
};

}  // namespace gb::widgets
