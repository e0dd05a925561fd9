#include "app/dialogs/common/UserDateFormats.h"

#include <QtCore/QLocale>
#include <QtWidgets/QCalendarWidget>
#include <QtWidgets/QDateTimeEdit>

#include "app/core/DateFieldFormats.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

void UseUserDateFormats(QWidget& window) {
    const DateFieldFormats formats = DateFieldFormatsFor();
    const QLocale locale(ToQt(formats.localeName));
    for (QDateTimeEdit* field : window.findChildren<QDateTimeEdit*>()) {
        field->setLocale(locale);
        const QDateTimeEdit::Sections shown = field->displayedSections();
        const bool date = (shown & QDateTimeEdit::DateSections_Mask) != 0;
        const bool time = (shown & QDateTimeEdit::TimeSections_Mask) != 0;
        field->setDisplayFormat(ToQt(date && time ? formats.dateTime
                                     : time       ? formats.time
                                                  : formats.date));
    }
    for (QCalendarWidget* calendar : window.findChildren<QCalendarWidget*>()) {
        calendar->setLocale(locale);
    }
}

}  // namespace gb::app::ui
