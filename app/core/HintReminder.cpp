#include "app/core/HintReminder.h"

#include <string_view>

#include "app/core/AppSettings.h"
#include "app/core/DialogService.h"
#include "platform/Settings.h"

namespace ui {

namespace {

constexpr std::string_view kReminderSection = "Reminder";

}  // namespace

HintReminder::HintReminder(gb::Settings& user, DialogService& dialogs)
    : user_(user), dialogs_(dialogs) {}

bool HintReminder::ShowOnce(int stringId) {
    if (IsSwitchedOff(stringId)) {
        return false;
    }
    if (dialogs_.ShowHint(stringId)) {
        // Unwritable settings only mean the hint shows again next time.
        user_.SetNumber(SectionKey(kReminderSection), ValueName(stringId), 1);
    }
    return true;
}

bool HintReminder::IsSwitchedOff(int stringId) const {
    return user_.GetNumber(SectionKey(kReminderSection), ValueName(stringId), 0) != 0;
}

std::string HintReminder::ValueName(int stringId) {
    return std::to_string(stringId);
}

}  // namespace ui
