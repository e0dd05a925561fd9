#pragma once
// "There is a problem...": what the retrievals logged during an update run in
// which one of them failed, the summary and the details on two tabs over one
// read-only text.

#include <QtWidgets/QDialog>

#include <memory>

#include "app/core/problems/RetrievalProblems.h"

class QTabBar;

namespace gb::app::ui {

namespace Ui {
class CProblemDlg;
}  // namespace Ui

class CProblemDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CProblemDlg(const RetrievalProblems& problems, QWidget* parent = nullptr);
    ~CProblemDlg() override;

    // The summary on tab 0, the details on any other.
    void OnSelchangeTab(int tab);

    QTabBar* Tabs() const;
    QString ShownText() const;

private:
    std::unique_ptr<Ui::CProblemDlg> ui_;
    QString details_;
    QString summary_;
};

}  // namespace gb::app::ui
