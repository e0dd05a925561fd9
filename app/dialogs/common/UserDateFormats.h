#pragma once
// Date and time fields in the user's locale: every date, time and date-time
// field and every calendar inside a window shows its values as the program
// writes dates everywhere else, so that one dialog never mixes two formats.

class QWidget;

namespace gb::app::ui {

// Applies to the fields and calendars `window` holds now.
void UseUserDateFormats(QWidget& window);

}  // namespace gb::app::ui
