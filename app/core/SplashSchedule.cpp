#include "app/core/SplashSchedule.h"

namespace gb::app {

std::optional<int> SplashSchedule::OnCheck(bool mainWindowVisible) {
    if (mainWindowVisible || elapsed_ >= kLimit) {
        return std::nullopt;
    }
    elapsed_ += kStep;
    return kStep;
}

}  // namespace gb::app
