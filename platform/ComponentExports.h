#pragma once
// The four functions every component library exports by these names, for the
// component runtime (creation) and the installer (registration).

#include "platform/Guid.h"
#include "platform/HResult.h"

// Component libraries are built with hidden symbols; these four stay visible.
#define GB_COMPONENT_EXPORT __attribute__((visibility("default")))

extern "C" {

// S_OK when no object or server lock of the library is alive, else S_FALSE.
GB_COMPONENT_EXPORT HRESULT DllCanUnloadNow();
// The class object of `clsid` asked for `iid` (normally IClassFactory).
GB_COMPONENT_EXPORT HRESULT DllGetClassObject(const gb::Guid& clsid, const gb::Guid& iid,
                                              void** object);
// Writes the library's classes, categories and memberships to the registry.
GB_COMPONENT_EXPORT HRESULT DllRegisterServer();
// Removes what DllRegisterServer wrote, except shared parent keys and categories.
GB_COMPONENT_EXPORT HRESULT DllUnregisterServer();
}
