#pragma once
// When the splash screen closes: after its first wait (3000 ms), or, while the
// main window is not visible yet, at the first 100 ms check that finds it
// visible, and at the latest once 8000 ms have passed in all.

#include <optional>

namespace gb::app {

class SplashSchedule {
public:
    static constexpr int kFirstWait = 3000;
    static constexpr int kStep = 100;
    static constexpr int kLimit = 8000;

    explicit SplashSchedule(int firstWait = kFirstWait)
        : firstWait_(firstWait), elapsed_(firstWait) {}

    // The wait before the first check.
    int FirstWait() const { return firstWait_; }
    // At a check: the next wait, or nothing when the splash is to close now.
    std::optional<int> OnCheck(bool mainWindowVisible);
    int Elapsed() const { return elapsed_; }

private:
    int firstWait_;
    int elapsed_;
};

}  // namespace gb::app
