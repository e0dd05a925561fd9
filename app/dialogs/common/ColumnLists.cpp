#include "app/dialogs/common/ColumnLists.h"

#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QListWidget>

#include <utility>

#include "app/core/columns/ListOrder.h"
#include "app/dialogs/common/ListWidgets.h"

namespace gb::app::ui {

namespace {

std::vector<std::string> Titles(const std::vector<ColumnEntry>& entries) {
    std::vector<std::string> titles;
    titles.reserve(entries.size());
    for (const ColumnEntry& entry : entries) {
        titles.push_back(entry.title);
    }
    return titles;
}

}  // namespace

ColumnLists::ColumnLists(ColumnChoice choice, const Controls& controls, QObject* parent,
                         ColumnListOptions options)
    : QObject(parent), choice_(std::move(choice)), controls_(controls), options_(options) {
    connect(controls_.add, &QAbstractButton::clicked, this, &ColumnLists::OnAdd);
    connect(controls_.remove, &QAbstractButton::clicked, this, &ColumnLists::OnRemove);
    if (options_.doubleClickMoves) {
        connect(controls_.available, &QListWidget::itemDoubleClicked, this, &ColumnLists::OnAdd);
        connect(controls_.shown, &QListWidget::itemDoubleClicked, this, &ColumnLists::OnRemove);
    }
    connect(controls_.up, &QAbstractButton::clicked, this, [this] { OnMove(-1); });
    connect(controls_.down, &QAbstractButton::clicked, this, [this] { OnMove(+1); });
    Show(0, 0);
}

void ColumnLists::Show(int available, int shown) {
    ShowList(*controls_.available, Titles(choice_.Available()), available);
    ShowList(*controls_.shown, Titles(choice_.Shown()), shown);
}

void ColumnLists::OnAdd() {
    const int selected = SelectedRow(*controls_.available);
    const int shown = choice_.Show(selected, SelectedRow(*controls_.shown));
    if (shown < 0) {
        return;
    }
    Show(IndexAfterRemoval(selected, static_cast<int>(choice_.Available().size())), shown);
}

void ColumnLists::OnRemove() {
    const int selected = SelectedRow(*controls_.shown);
    const int available = choice_.Hide(selected);
    if (available < 0) {
        return;
    }
    Show(available, options_.selectShownAfterRemove
                        ? IndexAfterRemoval(selected, static_cast<int>(choice_.Shown().size()))
                        : -1);
}

void ColumnLists::OnMove(int delta) {
    const int moved = choice_.MoveShown(SelectedRow(*controls_.shown), delta);
    Show(SelectedRow(*controls_.available), moved);
}

}  // namespace gb::app::ui
