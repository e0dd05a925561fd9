#pragma once
// "A Helpful Hint": a hint's text from the string table, and a box to tick
// when the user does not want to see it again.

#include <QtWidgets/QDialog>

class QCheckBox;
class QPlainTextEdit;

namespace ui {

class CExplainDlg final : public QDialog {
public:
    // An ID without text shows an empty hint.
    explicit CExplainDlg(int stringId, QWidget* parent = nullptr);

    // Whether the box "Do not display this message again." is ticked.
    bool DoNotShowAgain() const;

    QString Text() const;
    QCheckBox* DoNotShowBox() const { return doNotShow_; }

private:
    QPlainTextEdit* text_;
    QCheckBox* doNotShow_;
};

}  // namespace ui
