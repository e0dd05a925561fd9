#include "app/ui/CMainView.h"

#include <QtWidgets/QHBoxLayout>

#include <algorithm>

#include "app/core/AppSettings.h"
#include "app/core/CLotkeeperApp.h"
#include "app/core/IFrame.h"
#include "app/core/MainViewLayout.h"
#include "app/ui/CNavView.h"
#include "app/ui/ViewRegistry.h"
#include "platform/Settings.h"

namespace gb::app::ui {

namespace {

// A wider window widens the right-hand view; the tree keeps the width the
// user gave it. The stretch belongs to the pane's widget, so a new right-hand
// view needs it again.
void GiveExtraWidthToTheRight(QSplitter& splitter) {
    splitter.setStretchFactor(0, 0);
    splitter.setStretchFactor(1, 1);
}

}  // namespace

CMainView::CMainView(IFrame& frame, const ViewRegistry& views, ViewKind rightKind, QWidget* parent)
    : QWidget(parent),
      frame_(frame),
      app_(frame.App()),
      views_(views),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      tree_(new CNavView(frame, splitter_)),
      right_(views.Create(rightKind, frame, splitter_)),
      storedWidth_(static_cast<int>(
          app_.GetUserSettings().GetNumber(SectionKey(section::Settings), value::Splitter, 0))),
      fitTreeToLabels_(storedWidth_ <= 0) {
    splitter_->addWidget(tree_);
    splitter_->addWidget(right_->Widget());
    GiveExtraWidthToTheRight(*splitter_);
    splitter_->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { fitTreeToLabels_ = false; });
    connect(tree_, &CNavView::Rebuilt, this, &CMainView::FitTreeToLabels);
}

CMainView::~CMainView() {
    const QList<int> sizes = splitter_->sizes();
    if (!applyStoredWidth_ && !sizes.isEmpty()) {
        app_.GetUserSettings().SetNumber(SectionKey(section::Settings), value::Splitter,
                                         static_cast<std::uint32_t>(sizes.front()));
    }
}

void CMainView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (applyStoredWidth_ && width() > 0) {
        const int treeWidth = TreeColumnWidth(storedWidth_, width(), tree_->LabelsWidth());
        splitter_->setSizes({treeWidth, std::max(width() - treeWidth, 0)});
        applyStoredWidth_ = false;
    }
}

void CMainView::FitTreeToLabels() {
    const QList<int> sizes = splitter_->sizes();
    if (!fitTreeToLabels_ || applyStoredWidth_ || sizes.size() != 2) {
        return;
    }
    const int treeWidth = TreeColumnWidth(0, width(), tree_->LabelsWidth());
    if (treeWidth > sizes.front()) {
        splitter_->setSizes({treeWidth, std::max(width() - treeWidth, 0)});
    }
}

void CMainView::OnInitialUpdate() {
    right_->OnInitialUpdate();
    tree_->OnInitialUpdate();
}

CView* CMainView::SwitchRightView(ViewKind kind) {
    if (frame_.App().GetCurrentDocument() == nullptr) {
        frame_.Services().messages.Show("Please open a profile");
        return nullptr;
    }
    if (right_->Kind() == kind) {
        return right_;
    }
    const QList<int> sizes = splitter_->sizes();
    CView* old = right_;
    old->Detach();
    right_ = views_.Create(kind, frame_, nullptr);
    splitter_->replaceWidget(1, right_->Widget());
    GiveExtraWidthToTheRight(*splitter_);
    splitter_->setSizes(sizes);
    // The old view may be the one that asked for the switch: it goes once the
    // present event is handled, and with this view at the latest.
    old->Widget()->setParent(this);
    old->Widget()->hide();
    old->Widget()->deleteLater();
    right_->OnInitialUpdate();
    frame_.RequestCommandRefresh();
    return right_;
}

}  // namespace gb::app::ui
