#include "platform/ComponentServer.h"

#include <span>

#include "platform/ComponentLibrary.h"

namespace gb {

namespace {

// Runs `step` on each element until one fails: that failure, else S_OK.
template <class Range, class Step>
HRESULT EachUntilFailure(const Range& range, Step&& step) {
    for (const auto& element : range) {
        if (const HRESULT result = step(element); Failed(result)) {
            return result;
        }
    }
    return S_OK;
}

}  // namespace

ComponentServer::ComponentServer(ComponentServerDescription description,
                                 const void* addressInLibrary)
    : description_(std::move(description)),
      libraryPath_(ComponentLibrary::PathContaining(addressInLibrary)) {
    for (const ServedClass& servedClass : description_.classes) {
        factoryTable_.push_back(servedClass.component);
    }
}

HRESULT ComponentServer::GetClassObject(const Guid& clsid, const Guid& iid,
                                        void** object) const noexcept {
    return ClassFactory::Serve(factoryTable_, clsid, iid, object);
}

ClassRegistration ComponentServer::RegistrationOf(const ServedClass& servedClass) const {
    ClassRegistration registration;
    registration.clsid = servedClass.component.clsid;
    registration.userTypeName = servedClass.userTypeName;
    registration.versionIndependentProgId = servedClass.progIdBase;
    registration.progId = servedClass.progIdBase + ".1";
    registration.libraryPath = libraryPath_.string();
    registration.appId = description_.appId;
    registration.typeLibrary = description_.typeLibrary;
    return registration;
}

HRESULT ComponentServer::Register() const noexcept {
    try {
        return RegisterAll();
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT ComponentServer::Unregister() const noexcept {
    try {
        return UnregisterAll();
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT ComponentServer::RegisterAll() const {
    ComponentRegistry registry;
    if (description_.appId) {
        registry.RegisterAppId(*description_.appId, description_.appName,
                               libraryPath_.filename().string());
    }
    if (const HRESULT result =
            EachUntilFailure(description_.classes,
                             [&](const ServedClass& served) {
                                 return registry.RegisterClass(RegistrationOf(served));
                             });
        Failed(result) || !description_.category) {
        return result;
    }
    const ServedCategory& category = *description_.category;
    if (const HRESULT result =
            registry.RegisterCategory(category.id, category.locale, category.description);
        Failed(result)) {
        return result;
    }
    return EachUntilFailure(category.members, [&](const Guid& clsid) {
        return registry.RegisterClassImplCategories(clsid, std::span(&category.id, 1));
    });
}

HRESULT ComponentServer::UnregisterAll() const {
    ComponentRegistry registry;
    if (description_.appId) {
        registry.UnregisterAppId(*description_.appId, libraryPath_.filename().string());
    }
    if (const HRESULT result =
            EachUntilFailure(description_.classes,
                             [&](const ServedClass& served) {
                                 return registry.UnregisterClass(RegistrationOf(served));
                             });
        Failed(result) || !description_.category) {
        return result;
    }
    const ServedCategory& category = *description_.category;
    return EachUntilFailure(category.members, [&](const Guid& clsid) {
        return registry.UnregisterClassImplCategories(clsid, std::span(&category.id, 1));
    });
}

}  // namespace gb
