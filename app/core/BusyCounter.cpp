#include "app/core/BusyCounter.h"

namespace gb::app {

BusyCounter::Change BusyCounter::SetBusy(bool busy, bool reset) {
    if (reset) {
        count_ = 0;
    }
    Change change;
    if (busy) {
        if (count_ == 0) {
            change.animation = Animation::Play;
        }
        ++count_;
    } else {
        --count_;
        if (count_ <= 0) {
            change.animation = Animation::Stop;
            count_ = 0;
        }
    }
    change.count = count_;
    return change;
}

}  // namespace gb::app
