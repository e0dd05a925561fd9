#pragma once
// What a component library serves and registers: its classes with their
// names, and the category they join. A library describes itself once and its
// four exports delegate here (GB_COMPONENT_SERVER_EXPORTS).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ClassFactory.h"
#include "platform/ComObject.h"
#include "platform/ComponentExports.h"
#include "platform/ComponentRegistry.h"

namespace gb {

struct ServedClass {
    ComponentClass component;
    std::string userTypeName;  // "eBay USA"
    // The version-independent ProgID, "Bidscope.eBayUSA"; ".1" makes the ProgID.
    std::string progIdBase;
};

struct ServedCategory {
    Guid id;
    std::uint32_t locale;
    std::string description;
    // The order in which the classes join it.
    std::vector<Guid> members;
};

struct ComponentServerDescription {
    std::string appName;  // "Bidscope"
    std::optional<Guid> appId;
    std::optional<Guid> typeLibrary;
    // In the order they are registered and unregistered.
    std::vector<ServedClass> classes;
    std::optional<ServedCategory> category;
};

class ComponentServer {
public:
    // `addressInLibrary` is any object of the library, to find its file.
    ComponentServer(ComponentServerDescription description, const void* addressInLibrary);

    HRESULT GetClassObject(const Guid& clsid, const Guid& iid, void** object) const noexcept;
    // The application ID, whose outcome does not decide the result, then each
    // class, the category and its memberships, stopping at the first failure.
    HRESULT Register() const noexcept;
    // Removes what Register wrote but the category itself, which other
    // libraries' classes may share.
    HRESULT Unregister() const noexcept;

private:
    ClassRegistration RegistrationOf(const ServedClass& servedClass) const;
    HRESULT RegisterAll() const;
    HRESULT UnregisterAll() const;

    ComponentServerDescription description_;
    std::vector<ComponentClass> factoryTable_;
    std::filesystem::path libraryPath_;
};

}  // namespace gb

// Defines a library's four exports over the ComponentServer `server`.
#define GB_COMPONENT_SERVER_EXPORTS(server)                                                \
    HRESULT DllCanUnloadNow() {                                                            \
        return gb::ModuleUsage::CanUnloadNow();                                            \
    }                                                                                      \
    HRESULT DllGetClassObject(const gb::Guid& clsid, const gb::Guid& iid, void** object) { \
        return (server).GetClassObject(clsid, iid, object);                                \
    }                                                                                      \
    HRESULT DllRegisterServer() {                                                          \
        return (server).Register();                                                        \
    }                                                                                      \
    HRESULT DllUnregisterServer() {                                                        \
        return (server).Unregister();                                                      \
    }
