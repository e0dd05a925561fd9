#pragma once
// Outgoing interfaces: an object offers connection points through which clients
// advise their event sinks; the object then calls every advised sink.

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "platform/ComPtr.h"
#include "platform/Unknown.h"

struct IConnectionPointContainer;

namespace gb {

// One live connection: the sink (with a reference for the receiver) and its cookie.
struct ConnectionData {
    IUnknown* sink = nullptr;
    std::uint32_t cookie = 0;
};

}  // namespace gb

struct IConnectionPoint : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{9031388C-6572-4D41-995C-85028A43DCA4}");

    // The IID of the outgoing interface the sinks implement.
    virtual HRESULT GetConnectionInterface(gb::Guid* iid) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
    // Keeps a reference to `sink`'s outgoing interface and gives a nonzero cookie.
    virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
    // Releases the sink of `cookie`; CONNECT_E_NOCONNECTION for an unknown cookie.
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;
    // Copies up to `capacity` live connections in slot order, each sink with a
    // reference the caller releases; `count` receives how many are live.
    virtual HRESULT EnumConnections(gb::ConnectionData* connections, std::uint32_t capacity,
                                    std::uint32_t* count) = 0;

protected:
    ~IConnectionPoint() = default;
};

struct IConnectionPointContainer : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{DC4BCD8C-B669-45AD-A458-15357B3E69D5}");

    // Copies up to `capacity` points, each with a reference the caller releases;
    // `count` receives how many the object has.
    virtual HRESULT EnumConnectionPoints(IConnectionPoint** points, std::uint32_t capacity,
                                         std::uint32_t* count) = 0;
    // The point for the outgoing interface `iid`, or CONNECT_E_NOCONNECTION.
    virtual HRESULT FindConnectionPoint(const gb::Guid& iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

namespace gb {

// The shared part of ConnectionPoint<Sink>: a growable list of slots in which
// Unadvise leaves an empty slot that a later Advise fills again. Cookies are
// never reused, so a stale cookie cannot disconnect another sink. The point is
// a member of its container and shares the container's reference count.
class ConnectionPointBase : public IConnectionPoint {
public:
    ConnectionPointBase(const ConnectionPointBase&) = delete;
    ConnectionPointBase& operator=(const ConnectionPointBase&) = delete;

    HRESULT QueryInterface(const Guid& iid, void** object) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    HRESULT GetConnectionInterface(Guid* iid) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT Unadvise(std::uint32_t cookie) override;
    HRESULT EnumConnections(ConnectionData* connections, std::uint32_t capacity,
                            std::uint32_t* count) override;

    // A container's FindConnectionPoint over its points.
    static HRESULT Find(std::span<IConnectionPoint* const> points, const Guid& iid,
                        IConnectionPoint** point);
    // A container's EnumConnectionPoints over its points.
    static HRESULT List(std::span<IConnectionPoint* const> points, IConnectionPoint** out,
                        std::uint32_t capacity, std::uint32_t* count);

protected:
    ConnectionPointBase(IConnectionPointContainer& container, const Guid& eventIid);
    ~ConnectionPointBase();

    // Stores a sink whose reference the point now owns; gives its cookie.
    std::uint32_t Add(IUnknown* eventSink);
    std::size_t SlotCount() const;
    // The sink in `slot` with a reference, or null for an empty or vanished slot.
    ComPtr<IUnknown> SinkAt(std::size_t slot) const;

private:
    struct Slot {
        std::uint32_t cookie = 0;
        IUnknown* sink = nullptr;
    };

    IConnectionPointContainer& container_;
    const Guid eventIid_;
    mutable std::mutex mutex_;
    std::vector<Slot> slots_;
    std::uint32_t nextCookie_ = 1;
};

// The connection point for the outgoing interface Sink.
template <class Sink>
class ConnectionPoint final : public ConnectionPointBase {
public:
    explicit ConnectionPoint(IConnectionPointContainer& container)
        : ConnectionPointBase(container, Sink::kIid) {}

    HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override {
        if (sink == nullptr || cookie == nullptr) {
            return E_POINTER;
        }
        *cookie = 0;
        ComPtr<Sink> events;
        const HRESULT found = sink->QueryInterface(Sink::kIid, events.PutVoid());
        if (Failed(found) || !events) {
            return CONNECT_E_CANNOTCONNECT;
        }
        *cookie = Add(static_cast<IUnknown*>(events.Detach()));
        return S_OK;
    }

    // Calls `call(Sink&)` for every advised sink in slot order, holding a
    // reference around each call. The walk covers the slots there were when it
    // began, reading each afresh: a sink unadvised meanwhile is skipped, one
    // advised into a later empty slot is called. A failing sink does not stop
    // the walk. The result is that of the last sink called, S_OK when none was.
    template <class Call>
    HRESULT Fire(Call&& call) const {
        HRESULT result = S_OK;
        const std::size_t count = SlotCount();
        for (std::size_t slot = 0; slot < count; ++slot) {
            if (const ComPtr<IUnknown> sink = SinkAt(slot)) {
                result = call(*static_cast<Sink*>(sink.Get()));
            }
        }
        return result;
    }
};

}  // namespace gb
