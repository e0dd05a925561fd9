#pragma once
// The main window's usual pane: the folder tree on the left and a right-hand
// view that changes with the kind of folder shown, split one beside the
// other. The tree's width is kept under "Settings"/"Splitter"; with none
// kept, the tree is as wide as its folders' labels need.

#include <QtWidgets/QSplitter>
#include <QtWidgets/QWidget>

#include "app/core/ViewKind.h"

namespace gb::app {
class CLotkeeperApp;
class IFrame;
}  // namespace gb::app

namespace gb::app::ui {

class CNavView;
class CView;
class ViewRegistry;

class CMainView final : public QWidget {
    Q_OBJECT

public:
    CMainView(IFrame& frame, const ViewRegistry& views, ViewKind rightKind,
              QWidget* parent = nullptr);
    ~CMainView() override;

    CNavView* GetTreeView() const { return tree_; }
    CView* GetRightView() const { return right_; }
    // The right-hand view of `kind`: the one shown when it is of that kind,
    // else a new one in its place. Null without a profile.
    CView* SwitchRightView(ViewKind kind);
    // The right-hand view's first update, then the tree's.
    void OnInitialUpdate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Until the user sets the tree's width, the tree widens to show the
    // folders' labels as folders come (a new profile gets its folders later).
    void FitTreeToLabels();

    IFrame& frame_;
    // The width is stored through the application, which outlives the
    // frame: a pane replaced goes later, perhaps after its frame.
    CLotkeeperApp& app_;
    const ViewRegistry& views_;
    QSplitter* splitter_;
    CNavView* tree_;
    CView* right_;
    int storedWidth_;
    bool applyStoredWidth_ = true;
    bool fitTreeToLabels_;
};

}  // namespace gb::app::ui
