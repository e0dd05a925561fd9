#pragma once
// Whether the main window is busy, and who keeps it so. Every piece of work
// that shows the busy animation (a page loading, an update run, a folder
// load) holds a token for as long as it lasts; the first token taken makes
// the window busy and the last one given back makes it idle. A token is given
// back when its holder releases it or goes, so no work can leave the window
// busy for good, nor end the share of another.

#include <functional>
#include <memory>

namespace gb::app {

class BusyToken;

class BusyState {
public:
    // Told when the window becomes busy (true) or idle again (false).
    using Listener = std::function<void(bool busy)>;

    explicit BusyState(Listener listener = {});
    // Tokens still held outlive the state harmlessly: they give back nothing.
    ~BusyState();
    BusyState(const BusyState&) = delete;
    BusyState& operator=(const BusyState&) = delete;

    // A share of the busy state for the work about to start.
    [[nodiscard]] BusyToken Hold();

    bool IsBusy() const;
    // How many tokens are held.
    int Holders() const;

private:
    struct Shares {
        int holders = 0;
        Listener listener;
    };
    friend class BusyToken;

    std::shared_ptr<Shares> shares_;
};

// One share of a BusyState: held from the start of a piece of work to its
// end. Moving hands the share on; an empty token holds nothing.
class BusyToken {
public:
    BusyToken() = default;
    BusyToken(BusyToken&& other) noexcept;
    BusyToken& operator=(BusyToken&& other) noexcept;
    BusyToken(const BusyToken&) = delete;
    BusyToken& operator=(const BusyToken&) = delete;
    ~BusyToken();

    // Gives the share back now; nothing when none is held.
    void Release();
    bool IsHeld() const { return !shares_.expired(); }

private:
    friend class BusyState;
    explicit BusyToken(std::weak_ptr<BusyState::Shares> shares) : shares_(std::move(shares)) {}

    std::weak_ptr<BusyState::Shares> shares_;
};

}  // namespace gb::app
