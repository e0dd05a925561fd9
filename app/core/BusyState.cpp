#include "app/core/BusyState.h"

#include <utility>

namespace gb::app {

BusyState::BusyState(Listener listener)
    : shares_(std::make_shared<Shares>(Shares{0, std::move(listener)})) {}

BusyState::~BusyState() = default;

BusyToken BusyState::Hold() {
    if (++shares_->holders == 1 && shares_->listener) {
        shares_->listener(true);
    }
    return BusyToken(shares_);
}

bool BusyState::IsBusy() const {
    return shares_->holders > 0;
}

int BusyState::Holders() const {
    return shares_->holders;
}

BusyToken::BusyToken(BusyToken&& other) noexcept : shares_(std::exchange(other.shares_, {})) {}

BusyToken& BusyToken::operator=(BusyToken&& other) noexcept {
    if (this != &other) {
        Release();
        shares_ = std::exchange(other.shares_, {});
    }
    return *this;
}

BusyToken::~BusyToken() {
    Release();
}

void BusyToken::Release() {
    const std::shared_ptr<BusyState::Shares> shares = std::exchange(shares_, {}).lock();
    if (shares != nullptr && --shares->holders == 0 && shares->listener) {
        shares->listener(false);
    }
}

}  // namespace gb::app
