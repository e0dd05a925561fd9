#pragma once
// "A Helpful Hint": a hint's text from the string table, and a box to tick
// when the user does not want to see it again.

#include <QtWidgets/QDialog>

#include <memory>

class QCheckBox;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace Ui {
class CExplainDlg;
}  // namespace Ui

class CExplainDlg final : public QDialog {
    Q_OBJECT

public:
    // An ID without text shows an empty hint.
    explicit CExplainDlg(int stringId, QWidget* parent = nullptr);
    ~CExplainDlg() override;

    // Runs the hint of `stringId`; true when the user closed it with OK after
    // ticking "Do not display this message again." (what a HintReminder asks).
    static bool Ask(gb::widgets::ModalRunner& runner, QWidget* parent, int stringId);

    // Whether the box "Do not display this message again." is ticked.
    bool DoNotShowAgain() const;

    QString Text() const;
    QCheckBox* DoNotShowBox() const;

private:
    std::unique_ptr<Ui::CExplainDlg> ui_;
};

}  // namespace gb::app::ui
