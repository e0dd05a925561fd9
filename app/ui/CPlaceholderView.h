#pragma once
// The right-hand view of the user profile and of web pages until those views
// are built: an empty pane that sets the toolbar for its kind.

#include <QtWidgets/QFrame>

#include "app/core/IFrame.h"
#include "app/ui/CView.h"

namespace gb::app::ui {

class CPlaceholderView final : public QFrame, public CView {
public:
    CPlaceholderView(IFrame& frame, ViewKind kind, QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    ViewKind Kind() const override { return kind_; }
    void OnInitialUpdate() override;
    void OnUpdate(gb::itemdb::DocumentView*, std::int32_t) override {}

private:
    IFrame& frame_;
    ViewKind kind_;
};

}  // namespace gb::app::ui
