#pragma once
// The status-bar text of an update run: every progress tick adds one more
// "Updating... " up to five, then starts again from one; the end of the run
// shows "Update Complete!", which stays until the next run starts.

#include <string>

namespace gb::app {

class ProgressText {
public:
    static constexpr int kCycle = 5;

    // A run starts: its ticks show again.
    void Start() { ended_ = false; }
    // A tick of a retrieval that reports after the run's end leaves the text.
    const std::string& Tick();
    // The next run's first tick starts again from a single "Updating... ".
    const std::string& Complete();
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    int cycle_ = 0;
    bool ended_ = false;
};

}  // namespace gb::app
