#include "app/dialogs/common/PickerText.h"

#include <QtWidgets/QDateEdit>

#include "app/core/bulk/TemplateTexts.h"

namespace gb::app::ui {

std::string DateOf(const QDateEdit& picker) {
    const QDate day = picker.date();
    return DateText(day.year(), day.month(), day.day());
}

}  // namespace gb::app::ui
