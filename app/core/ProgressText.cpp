#include "app/core/ProgressText.h"

namespace gb::app {

namespace {

constexpr const char* kUpdating = "Updating... ";

}  // namespace

const std::string& ProgressText::Tick() {
    if (ended_) {
        return text_;
    }
    if (cycle_ == 0) {
        text_ = kUpdating;
    } else {
        text_ += kUpdating;
    }
    cycle_ = (cycle_ + 1) % kCycle;
    return text_;
}

const std::string& ProgressText::Complete() {
    text_ = "Update Complete!";
    cycle_ = 0;
    ended_ = true;
    return text_;
}

}  // namespace gb::app
