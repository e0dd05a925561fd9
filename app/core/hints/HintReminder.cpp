#include "app/core/hints/HintReminder.h"

#include <string_view>
#include <utility>

#include "app/core/AppSettings.h"
#include "platform/Settings.h"

namespace gb::app {

namespace {

constexpr std::string_view kReminderSection = "Reminder";

}  // namespace

HintReminder::HintReminder(gb::Settings& user, ShowHint showHint)
    : user_(user), showHint_(std::move(showHint)) {}

bool HintReminder::ShowOnce(int stringId) {
    if (IsSwitchedOff(stringId)) {
        return false;
    }
    if (showHint_(stringId)) {
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

}  // namespace gb::app
