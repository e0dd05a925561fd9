// The exports of the component library Fetchwell: its two classes, WebSource
// and SessionSummary, their class objects and their registration.

#include <array>
#include <string_view>

#include "interfaces/ClassIds.h"
#include "platform/ClassFactory.h"
#include "platform/ComponentExports.h"
#include "platform/ComponentLibrary.h"
#include "platform/ComponentRegistry.h"
#include "retrieval/SessionSummary.h"
#include "retrieval/WebSource.h"

namespace {

constexpr gb::Guid kAppId = gb::Guid::Literal("{8C201613-040F-424A-A08C-A83FF0AA20A4}");
constexpr gb::Guid kTypeLibrary = gb::Guid::Literal("{BE7F7611-AE9A-46EE-9E4A-2FBE3F0E9770}");
constexpr std::string_view kAppName = "Fetchwell";

struct FetchwellClass {
    gb::ComponentClass component;
    std::string_view userTypeName;
    std::string_view progId;
    std::string_view versionIndependentProgId;
};

constexpr std::array<FetchwellClass, 2> kClasses{{
    {{CLSID_WebSource, &gb::CreateObject<WebSource>},
     "WebSource Class",
     "Fetchwell.WebSource.1",
     "Fetchwell.WebSource"},
    {{CLSID_SessionSummary, &gb::CreateObject<SessionSummary>},
     "SessionSummary Class",
     "Fetchwell.SessionSummary.1",
     "Fetchwell.SessionSummary"},
}};

constexpr std::array<gb::ComponentClass, 2> kFactoryTable{
    {kClasses[0].component, kClasses[1].component}};

std::filesystem::path LibraryPath() {
    return gb::ComponentLibrary::PathContaining(&kClasses);
}

gb::ClassRegistration RegistrationOf(const FetchwellClass& fetchwellClass) {
    gb::ClassRegistration registration;
    registration.clsid = fetchwellClass.component.clsid;
    registration.userTypeName = fetchwellClass.userTypeName;
    registration.progId = fetchwellClass.progId;
    registration.versionIndependentProgId = fetchwellClass.versionIndependentProgId;
    registration.libraryPath = LibraryPath().string();
    registration.appId = kAppId;
    registration.typeLibrary = kTypeLibrary;
    return registration;
}

// Runs every step and gives the first failure met, else S_OK.
class FirstFailure {
public:
    void operator+=(HRESULT result) {
        if (gb::Succeeded(result_) && gb::Failed(result)) {
            result_ = result;
        }
    }
    HRESULT Result() const { return result_; }

private:
    HRESULT result_ = S_OK;
};

}  // namespace

HRESULT DllCanUnloadNow() {
    return gb::ModuleUsage::CanUnloadNow();
}

HRESULT DllGetClassObject(const gb::Guid& clsid, const gb::Guid& iid, void** object) {
    return gb::ClassFactory::Serve(kFactoryTable, clsid, iid, object);
}

HRESULT DllRegisterServer() {
    try {
        gb::ComponentRegistry registry;
        FirstFailure result;
        result += registry.RegisterAppId(kAppId, kAppName, LibraryPath().filename().string());
        for (const FetchwellClass& fetchwellClass : kClasses) {
            result += registry.RegisterClass(RegistrationOf(fetchwellClass));
        }
        return result.Result();
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT DllUnregisterServer() {
    try {
        gb::ComponentRegistry registry;
        FirstFailure result;
        result += registry.UnregisterAppId(kAppId, LibraryPath().filename().string());
        for (const FetchwellClass& fetchwellClass : kClasses) {
            result += registry.UnregisterClass(RegistrationOf(fetchwellClass));
        }
        return result.Result();
    } catch (...) {
        return E_FAIL;
    }
}
