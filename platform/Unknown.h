#pragma once
// The base of every component interface: interface discovery and reference
// counting. Interfaces are structs of pure virtual operations in a fixed order;
// objects are never deleted through an interface, only released.

#include <cstdint>

#include "platform/Guid.h"
#include "platform/HResult.h"

struct IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{BDAB18C5-F91D-4EAB-A3BC-5A43D8924B03}");

    // Stores the object's pointer for `iid` in `object` with a reference added,
    // or null and E_NOINTERFACE when the object has no such interface.
    virtual HRESULT QueryInterface(const gb::Guid& iid, void** object) = 0;
    // Both give the new count, for diagnostics only.
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};
