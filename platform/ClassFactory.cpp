#include "platform/ClassFactory.h"

#include <algorithm>

namespace gb {

HRESULT ClassFactory::CreateInstance(IUnknown* outer, const Guid& iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    return create_(iid, object);
}

HRESULT ClassFactory::LockServer(bool lock) {
    if (lock) {
        ModuleUsage::Acquire();
    } else {
        ModuleUsage::Drop();
    }
    return S_OK;
}

HRESULT ClassFactory::Serve(std::span<const ComponentClass> classes, const Guid& clsid,
                            const Guid& iid, void** object) noexcept {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    const auto entry = std::find_if(classes.begin(), classes.end(),
                                    [&](const ComponentClass& c) { return c.clsid == clsid; });
    if (entry == classes.end()) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return CreateObject<ClassFactory>(iid, object, entry->create);
}

}  // namespace gb
