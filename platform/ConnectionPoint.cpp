#include "platform/ConnectionPoint.h"

#include <algorithm>
#include <utility>

namespace gb {

ConnectionPointBase::ConnectionPointBase(IConnectionPointContainer& container, const Guid& eventIid)
    : container_(container), eventIid_(eventIid) {}

ConnectionPointBase::~ConnectionPointBase() {
    for (const Slot& slot : slots_) {
        if (slot.sink != nullptr) {
            slot.sink->Release();
        }
    }
}

HRESULT ConnectionPointBase::QueryInterface(const Guid& iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid != IUnknown::kIid && iid != IConnectionPoint::kIid) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

std::uint32_t ConnectionPointBase::AddRef() {
    return container_.AddRef();
}

std::uint32_t ConnectionPointBase::Release() {
    return container_.Release();
}

HRESULT ConnectionPointBase::GetConnectionInterface(Guid* iid) {
    if (iid == nullptr) {
        return E_POINTER;
    }
    *iid = eventIid_;
    return S_OK;
}

HRESULT ConnectionPointBase::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (container == nullptr) {
        return E_POINTER;
    }
    container_.AddRef();
    *container = &container_;
    return S_OK;
}

std::uint32_t ConnectionPointBase::Add(IUnknown* eventSink) {
    std::lock_guard lock(mutex_);
    const std::uint32_t cookie = nextCookie_++;
    if (nextCookie_ == 0) {
        nextCookie_ = 1;
    }
    const auto empty =
        std::find_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.sink == nullptr; });
    if (empty != slots_.end()) {
        *empty = Slot{cookie, eventSink};
    } else {
        slots_.push_back(Slot{cookie, eventSink});
    }
    return cookie;
}

HRESULT ConnectionPointBase::Unadvise(std::uint32_t cookie) {
    IUnknown* released = nullptr;
    {
        std::lock_guard lock(mutex_);
        const auto slot = std::find_if(slots_.begin(), slots_.end(), [&](const Slot& s) {
            return s.sink != nullptr && s.cookie == cookie;
        });
        if (slot == slots_.end()) {
            return CONNECT_E_NOCONNECTION;
        }
        released = std::exchange(slot->sink, nullptr);
        slot->cookie = 0;
    }
    // Outside the lock: the sink's destructor may call back into this point.
    released->Release();
    return S_OK;
}

HRESULT ConnectionPointBase::EnumConnections(ConnectionData* connections, std::uint32_t capacity,
                                             std::uint32_t* count) {
    if (count == nullptr || (connections == nullptr && capacity > 0)) {
        return E_POINTER;
    }
    std::lock_guard lock(mutex_);
    std::uint32_t live = 0;
    for (const Slot& slot : slots_) {
        if (slot.sink == nullptr) {
            continue;
        }
        if (live < capacity) {
            slot.sink->AddRef();
            connections[live] = ConnectionData{slot.sink, slot.cookie};
        }
        ++live;
    }
    *count = live;
    return S_OK;
}

std::size_t ConnectionPointBase::SlotCount() const {
    std::lock_guard lock(mutex_);
    return slots_.size();
}

ComPtr<IUnknown> ConnectionPointBase::SinkAt(std::size_t slot) const {
    std::lock_guard lock(mutex_);
    return slot < slots_.size() ? ComPtr<IUnknown>(slots_[slot].sink) : ComPtr<IUnknown>();
}

HRESULT ConnectionPointBase::Find(std::span<IConnectionPoint* const> points, const Guid& iid,
                                  IConnectionPoint** point) {
    if (point == nullptr) {
        return E_POINTER;
    }
    *point = nullptr;
    for (IConnectionPoint* candidate : points) {
        Guid offered;
        if (Succeeded(candidate->GetConnectionInterface(&offered)) && offered == iid) {
            candidate->AddRef();
            *point = candidate;
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPointBase::List(std::span<IConnectionPoint* const> points, IConnectionPoint** out,
                                  std::uint32_t capacity, std::uint32_t* count) {
    if (count == nullptr || (out == nullptr && capacity > 0)) {
        return E_POINTER;
    }
    const std::size_t copied = std::min<std::size_t>(capacity, points.size());
    for (std::size_t i = 0; i < copied; ++i) {
        points[i]->AddRef();
        out[i] = points[i];
    }
    *count = static_cast<std::uint32_t>(points.size());
    return S_OK;
}

}  // namespace gb
