#pragma once
// The one factory of the main window's right-hand views: a table from view
// kind to the function that builds a view of that kind. Every kind has one;
// asking for a kind without a creator is a fault of the program and throws.

#include <functional>
#include <map>

#include "app/core/ViewKind.h"

class QWidget;

namespace gb::app {
class IFrame;
}  // namespace gb::app

namespace gb::app::ui {

class CView;

class ViewRegistry {
public:
    // Builds a view in `parent` (null: unparented), not yet updated.
    using Creator = std::function<CView*(IFrame& frame, QWidget* parent)>;

    // The table of the main window: every right-hand view registers here.
    static ViewRegistry MainViews();

    // Replaces the creator of `kind`.
    void Register(ViewKind kind, Creator creator);
    CView* Create(ViewKind kind, IFrame& frame, QWidget* parent) const;

    // A creator for a view class built as `View(frame, parent)`.
    template <typename View>
    static Creator Of() {
        return [](IFrame& frame, QWidget* parent) -> CView* { return new View(frame, parent); };
    }

private:
    std::map<ViewKind, Creator> creators_;
};

}  // namespace gb::app::ui
