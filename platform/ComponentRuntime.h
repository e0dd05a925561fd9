#pragma once
// Creating component objects by class identifier: the registry gives the
// class's library, which is loaded once and asked for the class object.

#include <string_view>

#include "platform/ComPtr.h"
#include "platform/ComponentRegistry.h"
#include "platform/Guid.h"

namespace gb {

// The class object of `clsid` asked for `iid`. REGDB_E_CLASSNOTREG when the
// class is not registered, CO_E_DLLNOTFOUND when its library cannot be loaded,
// CO_E_ERRORINDLL when the library has no DllGetClassObject.
HRESULT GetClassObject(const Guid& clsid, const Guid& iid, void** object,
                       const ComponentRegistry& registry = ComponentRegistry());

// A new object of `clsid` asked for `iid`; the failures of GetClassObject and
// of the class factory.
HRESULT CreateInstance(const Guid& clsid, const Guid& iid, void** object,
                       const ComponentRegistry& registry = ComponentRegistry());

// The same for a class identifier in its braced text form; CO_E_CLASSSTRING
// when the text is not one.
HRESULT CreateInstance(std::string_view clsid, const Guid& iid, void** object,
                       const ComponentRegistry& registry = ComponentRegistry());

template <class T>
HRESULT CreateInstance(const Guid& clsid, ComPtr<T>& object,
                       const ComponentRegistry& registry = ComponentRegistry()) {
    return CreateInstance(clsid, T::kIid, object.PutVoid(), registry);
}

template <class T>
HRESULT CreateInstance(std::string_view clsid, ComPtr<T>& object,
                       const ComponentRegistry& registry = ComponentRegistry()) {
    return CreateInstance(clsid, T::kIid, object.PutVoid(), registry);
}

}  // namespace gb
