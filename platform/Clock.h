#pragma once
// The source of "now" as local date and time. Code asks Clock::Now(); tests
// install a fixed clock for their duration with ScopedClock.

#include "platform/DateTime.h"

namespace gb {

class Clock {
public:
    virtual DateTime LocalNow() const = 0;

    // The current local date and time from the installed clock.
    static DateTime Now();

protected:
    ~Clock() = default;
};

// The system's clock in the local time zone.
class SystemClock final : public Clock {
public:
    DateTime LocalNow() const override;
};

// A clock that always says the same time.
class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime now) : now_(now) {}
    DateTime LocalNow() const override { return now_; }
    void Set(DateTime now) { now_ = now; }

private:
    DateTime now_;
};

// Installs a clock for the lifetime of this object, then restores the previous one.
class ScopedClock {
public:
    explicit ScopedClock(const Clock& clock);
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
    ~ScopedClock();

    // The clock installed in this process, or null for the system's.
    static const Clock* Installed();

private:
    const Clock* previous_;
};

}  // namespace gb
