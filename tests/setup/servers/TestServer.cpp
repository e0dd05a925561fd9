// A component library for the installer's tests: its DllRegisterServer writes
// one class key naming itself and returns GB_TEST_REGISTER_RESULT.

#include "platform/ComponentExports.h"
#include "platform/ComponentLibrary.h"
#include "platform/Settings.h"

namespace {

constexpr const char* kClassKey = "CLSID\\{0D1C0A5E-0000-4000-8000-" GB_TEST_CLASS_SUFFIX "}";

}  // namespace

extern "C" {

HRESULT DllCanUnloadNow() {
    return S_OK;
}

HRESULT DllGetClassObject(const gb::Guid&, const gb::Guid&, void** object) {
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT DllRegisterServer() {
    const auto self =
        gb::ComponentLibrary::PathContaining(reinterpret_cast<const void*>(&DllRegisterServer));
    if (!gb::Settings::ClassesRoot().SetString(std::string(kClassKey) + "\\InprocServer32", "",
                                               self.string())) {
        return E_ACCESSDENIED;
    }
    return GB_TEST_REGISTER_RESULT;
}

HRESULT DllUnregisterServer() {
    return gb::Settings::ClassesRoot().DeleteKey(kClassKey) ? S_OK : E_FAIL;
}
}
