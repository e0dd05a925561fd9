#pragma once
// What a menu item or toolbar button of one command shows right now, and how
// an updater says so.

#include <optional>
#include <string>

namespace gb::app {

struct CommandState {
    bool enabled = false;
    bool checked = false;
    // A replacement for the command's text (1252), when its updater sets one.
    std::optional<std::string> text;

    bool operator==(const CommandState&) const = default;
};

// Handed to an updater. An updater that does not call Enable leaves enabling
// to the rule for commands without updaters: enabled when someone handles it.
class CommandUpdate {
public:
    void Enable(bool enabled = true) {
        state_.enabled = enabled;
        enableChanged_ = true;
    }
    void SetCheck(bool checked = true) { state_.checked = checked; }
    void SetText(std::string text) { state_.text = std::move(text); }

    const CommandState& State() const { return state_; }
    bool EnableChanged() const { return enableChanged_; }

private:
    CommandState state_;
    bool enableChanged_ = false;
};

}  // namespace gb::app
