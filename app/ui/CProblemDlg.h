#pragma once
// "There is a problem...": what the retrievals logged during an update run in
// which one of them failed, the summary and the details on two tabs over one
// read-only text.

#include <QtWidgets/QDialog>

#include "app/core/RetrievalProblems.h"

class QPlainTextEdit;
class QTabBar;

namespace ui {

class CProblemDlg final : public QDialog {
public:
    explicit CProblemDlg(const RetrievalProblems& problems, QWidget* parent = nullptr);

    // The summary on tab 0, the details on any other.
    void OnSelchangeTab(int tab);

    QTabBar* Tabs() const { return tabs_; }
    QString ShownText() const;

private:
    QTabBar* tabs_;
    QPlainTextEdit* text_;
    QString details_;
    QString summary_;
};

}  // namespace ui
