#pragma once
// The one-time hints: each shows until the user asks not to see it again,
// which is remembered per hint in the user's settings ("Reminder", the hint's
// string ID = 1). A hint stays off until that value is removed.

#include <functional>
#include <string>

namespace gb {
class Settings;
}

namespace gb::app {

class HintReminder {
public:
    // Shows the hint of a string ID; true when the user closed it with OK
    // after ticking "Do not display this message again.".
    using ShowHint = std::function<bool(int stringId)>;

    HintReminder(gb::Settings& user, ShowHint showHint);

    // Shows the hint of `stringId` unless it is switched off; true when it
    // was shown.
    bool ShowOnce(int stringId);
    bool IsSwitchedOff(int stringId) const;

    // The settings' value name of a hint.
    static std::string ValueName(int stringId);

private:
    gb::Settings& user_;
    ShowHint showHint_;
};

}  // namespace gb::app
