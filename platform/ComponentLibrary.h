#pragma once
// A component library loaded into the process, and the calls of its exports.

#include <filesystem>
#include <string>

#include "platform/ComponentExports.h"

namespace gb {

class ComponentLibrary {
public:
    // The library at `path`, loaded once per process and never unloaded, so
    // objects it made stay valid; null when it cannot be loaded, with the
    // loader's reason in `error`.
    static const ComponentLibrary* Load(const std::filesystem::path& path,
                                        std::string* error = nullptr);

    // The full path of the loaded file that holds `address`: how a library
    // finds itself to register its classes. Empty when unknown.
    static std::filesystem::path PathContaining(const void* address);

    const std::filesystem::path& Path() const { return path_; }

    // The exports; CO_E_ERRORINDLL when the library lacks the one called.
    HRESULT CanUnloadNow() const;
    HRESULT GetClassObject(const Guid& clsid, const Guid& iid, void** object) const;
    HRESULT RegisterServer() const;
    HRESULT UnregisterServer() const;

    ComponentLibrary(const ComponentLibrary&) = delete;
    ComponentLibrary& operator=(const ComponentLibrary&) = delete;

private:
    ComponentLibrary(std::filesystem::path path, void* handle);

    std::filesystem::path path_;
    decltype(&DllCanUnloadNow) canUnloadNow_;
    decltype(&DllGetClassObject) getClassObject_;
    decltype(&DllRegisterServer) registerServer_;
    decltype(&DllUnregisterServer) unregisterServer_;
};

}  // namespace gb
