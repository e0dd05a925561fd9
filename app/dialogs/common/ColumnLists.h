#pragma once
// The two lists of a column choice on a form: the columns available and the
// columns shown, with the buttons and double clicks that move a column
// between them and up and down the shown ones. The folder dialog, the
// report criteria's Display page and the export dialog edit their column
// sets through it.

#include <QtCore/QObject>

#include "app/core/columns/ColumnChoice.h"

class QAbstractButton;
class QListWidget;

namespace gb::app::ui {

// How the lists answer beyond the buttons. The folder dialog and the report
// page take the defaults; the export dialog moves columns by its buttons only
// and leaves the shown list without a selection after a column went back.
struct ColumnListOptions {
    // A double click moves the column to the other list.
    bool doubleClickMoves = true;
    // After a column went back among the available ones, the shown column
    // now in its place is selected.
    bool selectShownAfterRemove = true;
};

class ColumnLists final : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QListWidget* available;
        QListWidget* shown;
        QAbstractButton* add;
        QAbstractButton* remove;
        QAbstractButton* up;
        QAbstractButton* down;
    };

    // Shows the choice with the first entry of each list selected.
    ColumnLists(ColumnChoice choice, const Controls& controls, QObject* parent,
                ColumnListOptions options = {});

    const ColumnChoice& Choice() const { return choice_; }

    // The selected available column moves before the selected shown one (to
    // the end without one) and stays selected.
    void OnAdd();
    // The selected shown column goes back among the available ones, where it
    // is selected.
    void OnRemove();
    // The selected shown column moves one place up (-1) or down (+1).
    void OnMove(int delta);

private:
    void Show(int available, int shown);

    ColumnChoice choice_;
    Controls controls_;
    ColumnListOptions options_;
};

}  // namespace gb::app::ui
