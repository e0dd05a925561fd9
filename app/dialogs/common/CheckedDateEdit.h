#pragma once
// A date picker with a check box: checked it holds a calendar date,
// unchecked it holds none.

#include <QtCore/QDate>
#include <QtWidgets/QWidget>

#include <optional>

class QCheckBox;
class QDateEdit;

namespace gb::app::ui {

class CheckedDateEdit final : public QWidget {
    Q_OBJECT

public:
    explicit CheckedDateEdit(QWidget* parent = nullptr);

    std::optional<QDate> Date() const;
    // Shows the date, or none; does not report a change.
    void SetDate(const std::optional<QDate>& date);

    QCheckBox* CheckBox() const { return check_; }
    QDateEdit* DateEdit() const { return edit_; }

Q_SIGNALS:
    // The user checked, unchecked or changed the date.
    void DateChanged();

private:
    QCheckBox* check_;
    QDateEdit* edit_;
};

}  // namespace gb::app::ui
