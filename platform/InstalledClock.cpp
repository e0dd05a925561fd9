#include <atomic>

#include "platform/Clock.h"

namespace gb {

namespace {

std::atomic<const Clock*> installedClock{nullptr};

}  // namespace

ScopedClock::ScopedClock(const Clock& clock) : previous_(installedClock.exchange(&clock)) {}

ScopedClock::~ScopedClock() { installedClock.store(previous_); }

const Clock* ScopedClock::Installed() { return installedClock.load(); }

}  // namespace gb
