#include "app/dialogs/common/CheckedDateEdit.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QHBoxLayout>

#include "app/dialogs/common/UserDateFormats.h"

namespace gb::app::ui {

CheckedDateEdit::CheckedDateEdit(QWidget* parent)
    : QWidget(parent), check_(new QCheckBox(this)), edit_(new QDateEdit(this)) {
    check_->setObjectName(QStringLiteral("check"));
    edit_->setObjectName(QStringLiteral("date"));
    edit_->setCalendarPopup(true);
    UseUserDateFormats(*this);
    edit_->setDate(QDate::currentDate());
    edit_->setEnabled(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check_);
    layout->addWidget(edit_, 1);
    setFocusProxy(edit_);

    connect(check_, &QCheckBox::toggled, this, [this](bool checked) {
        edit_->setEnabled(checked);
        Q_EMIT DateChanged();
    });
    connect(edit_, &QDateEdit::dateChanged, this, [this] {
        if (check_->isChecked()) {
            Q_EMIT DateChanged();
        }
    });
}

std::optional<QDate> CheckedDateEdit::Date() const {
    return check_->isChecked() ? std::optional(edit_->date()) : std::nullopt;
}

void CheckedDateEdit::SetDate(const std::optional<QDate>& date) {
    const QSignalBlocker checkBlocker(check_);
    const QSignalBlocker editBlocker(edit_);
    check_->setChecked(date.has_value());
    edit_->setEnabled(date.has_value());
    if (date) {
        edit_->setDate(*date);
    }
}

}  // namespace gb::app::ui
