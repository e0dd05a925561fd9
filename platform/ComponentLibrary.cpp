#include "platform/ComponentLibrary.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>

namespace gb {

namespace fs = std::filesystem;

namespace {

template <class Function>
Function Export(void* handle, const char* name) {
    return reinterpret_cast<Function>(::dlsym(handle, name));
}

}  // namespace

ComponentLibrary::ComponentLibrary(fs::path path, void* handle)
    : path_(std::move(path)),
      canUnloadNow_(Export<decltype(canUnloadNow_)>(handle, "DllCanUnloadNow")),
      getClassObject_(Export<decltype(getClassObject_)>(handle, "DllGetClassObject")),
      registerServer_(Export<decltype(registerServer_)>(handle, "DllRegisterServer")),
      unregisterServer_(Export<decltype(unregisterServer_)>(handle, "DllUnregisterServer")) {}

const ComponentLibrary* ComponentLibrary::Load(const fs::path& path, std::string* error) {
    static std::mutex mutex;
    static std::map<fs::path, std::unique_ptr<ComponentLibrary>> loaded;
    std::error_code ignored;
    const fs::path absolute = fs::absolute(path, ignored).lexically_normal();
    std::lock_guard lock(mutex);
    if (const auto found = loaded.find(absolute); found != loaded.end()) {
        return found->second.get();
    }
    void* handle = ::dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) {
            const char* reason = ::dlerror();
            *error = reason != nullptr ? reason : "cannot load " + absolute.string();
        }
        return nullptr;
    }
    auto& library = loaded[absolute];
    library.reset(new ComponentLibrary(absolute, handle));
    return library.get();
}

fs::path ComponentLibrary::PathContaining(const void* address) {
    Dl_info info{};
    if (::dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::error_code ignored;
    return fs::absolute(info.dli_fname, ignored).lexically_normal();
}

HRESULT ComponentLibrary::CanUnloadNow() const {
    return canUnloadNow_ != nullptr ? canUnloadNow_() : CO_E_ERRORINDLL;
}

HRESULT ComponentLibrary::GetClassObject(const Guid& clsid, const Guid& iid, void** object) const {
    if (getClassObject_ == nullptr) {
        if (object != nullptr) {
            *object = nullptr;
        }
        return CO_E_ERRORINDLL;
    }
    return getClassObject_(clsid, iid, object);
}

HRESULT ComponentLibrary::RegisterServer() const {
    return registerServer_ != nullptr ? registerServer_() : CO_E_ERRORINDLL;
}

HRESULT ComponentLibrary::UnregisterServer() const {
    return unregisterServer_ != nullptr ? unregisterServer_() : CO_E_ERRORINDLL;
}

}  // namespace gb
