#pragma once
// What every view of the main window shares: it is a view of the profile
// document (told of its changes as they happen, through the document's one
// channel, and offered the commands nobody else handled), it owns a command
// map, and it can be taken out of the document before the window that shows
// it goes.

#include <QtWidgets/QWidget>

#include <cstdint>

#include "app/core/CommandMap.h"
#include "app/core/ViewKind.h"
#include "itemdb/DocumentEvent.h"
#include "itemdb/DocumentView.h"

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

namespace gb::app::ui {

class CView : public gb::itemdb::DocumentView, public gb::itemdb::DocumentListener {
public:
    // Codes of a ViewCommand besides 0 (carry the command out): ask for the
    // state of a command (`extra` is the CommandUpdate), ask whether the view
    // handles it.
    static constexpr int kUpdateCode = -1;
    static constexpr int kHandlesCode = -2;

    explicit CView(gb::itemdb::CAucDoc& document);
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;
    virtual ~CView();

    virtual QWidget* Widget() = 0;
    virtual ViewKind Kind() const = 0;
    // Runs once, after the view has been placed in the window.
    virtual void OnInitialUpdate() {}
    // The view shows the document anew; the hint is one of DocumentEvent's.
    virtual void OnUpdate(std::int32_t hint) = 0;
    // The document now holds another profile: the view forgets what it kept
    // of the one before (its folder, rows, sort, selection). The update with
    // the event's hint follows.
    virtual void StartAfresh() {}
    // A change of the document: a replaced profile starts the view afresh,
    // whatever its hint; the changes that carry a hint update the view with
    // it; views that follow other changes handle them first.
    void OnDocumentEvent(const gb::itemdb::DocumentEvent& event) override;
    // A form checks its entries before it may be left. Asking whether a view
    // is a form, or whether its entries are valid, changes nothing.
    virtual bool IsForm() const { return false; }
    virtual bool EntriesValid() const { return true; }
    // Writes what was typed into the document, valid or not, and stays; gives
    // whether the profile has changed since it was saved. Nothing for views
    // that are not forms.
    virtual bool StoreEntries() { return false; }

    const CommandMap& Commands() const { return commands_; }
    bool OnCmdMsg(const gb::itemdb::ViewCommand& command) override;

    gb::itemdb::CAucDoc& GetDocument() const { return document_; }
    // Stops hearing from the document and of its changes; for a view about to
    // be deleted later.
    void Detach();
    bool IsAttached() const { return attached_; }

protected:
    CommandMap commands_;

private:
    gb::itemdb::CAucDoc& document_;
    bool attached_ = true;
};

// Routing's last resort: the document offers a command to its views other
// than the active one.
class OtherViewsTarget final : public CommandTarget {
public:
    explicit OtherViewsTarget(gb::itemdb::CAucDoc& document) : document_(document) {}

    void SetSender(CView* sender) { sender_ = sender; }

    bool UpdateCommand(int id, CommandUpdate& update) const override;
    bool HandlesCommand(int id) const override;
    bool ExecuteCommand(int id) const override;

private:
    gb::itemdb::CAucDoc& document_;
    CView* sender_ = nullptr;
};

}  // namespace gb::app::ui
