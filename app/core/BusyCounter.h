#pragma once
// Counts the operations in progress that show the busy animation. The first
// one starts the animation, the last one to end stops it; the count never goes
// below 0. Whether an update run is in progress is the document's own state:
// this count only drives the animation and the enabling that follows it.

namespace gb::app {

class BusyCounter {
public:
    enum class Animation { Unchanged, Play, Stop };

    struct Change {
        int count = 0;
        Animation animation = Animation::Unchanged;
    };

    // With `reset` the count is set to 0 first.
    Change SetBusy(bool busy, bool reset = false);

    int Count() const { return count_; }
    bool IsBusy() const { return count_ > 0; }

private:
    int count_ = 0;
};

}  // namespace gb::app
