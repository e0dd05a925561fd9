#include "platform/Clock.h"

#include <ctime>

namespace gb {

DateTime Clock::Now() {
    if (const Clock* installed = ScopedClock::Installed()) {
        return installed->LocalNow();
    }
    static const SystemClock systemClock;
    return systemClock.LocalNow();
}

DateTime SystemClock::LocalNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr) {
        return DateTime::Invalid();
    }
    return DateTime::FromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                               local.tm_hour, local.tm_min, local.tm_sec == 60 ? 59 : local.tm_sec);
}

}  // namespace gb
