#include "platform/ComponentRuntime.h"

#include "platform/ClassFactory.h"
#include "platform/ComponentLibrary.h"

namespace gb {

HRESULT GetClassObject(const Guid& clsid, const Guid& iid, void** object,
                       const ComponentRegistry& registry) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    try {
        const std::optional<ClassRegistration> found = registry.FindClass(clsid);
        if (!found || found->libraryPath.empty()) {
            return REGDB_E_CLASSNOTREG;
        }
        const ComponentLibrary* library = ComponentLibrary::Load(found->libraryPath);
        if (library == nullptr) {
            return CO_E_DLLNOTFOUND;
        }
        return library->GetClassObject(clsid, iid, object);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT CreateInstance(const Guid& clsid, const Guid& iid, void** object,
                       const ComponentRegistry& registry) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    ComPtr<IClassFactory> factory;
    const HRESULT found = GetClassObject(clsid, IClassFactory::kIid, factory.PutVoid(), registry);
    if (Failed(found)) {
        return found;
    }
    if (!factory) {
        return E_FAIL;
    }
    return factory->CreateInstance(nullptr, iid, object);
}

HRESULT CreateInstance(std::string_view clsid, const Guid& iid, void** object,
                       const ComponentRegistry& registry) {
    const std::optional<Guid> parsed = Guid::Parse(clsid);
    if (!parsed) {
        if (object != nullptr) {
            *object = nullptr;
        }
        return CO_E_CLASSSTRING;
    }
    return CreateInstance(*parsed, iid, object, registry);
}

}  // namespace gb
