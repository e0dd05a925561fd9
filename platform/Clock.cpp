#include "platform/Clock.h"

#include <atomic>
#include <ctime>

namespace gb {

namespace {

const SystemClock kSystemClock;
std::atomic<const Clock*> installedClock{&kSystemClock};

}  // namespace

DateTime Clock::Now() {
    return installedClock.load()->LocalNow();
}

DateTime SystemClock::LocalNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr) {
        return DateTime::Invalid();
    }
    return DateTime::FromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                               local.tm_min, local.tm_sec == 60 ? 59 : local.tm_sec);
}

ScopedClock::ScopedClock(const Clock& clock) : previous_(installedClock.exchange(&clock)) {}

ScopedClock::~ScopedClock() {
    installedClock.store(previous_);
}

}  // namespace gb
