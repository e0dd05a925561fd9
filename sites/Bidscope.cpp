// The exports of the component library Bidscope: the nine site classes, their
// class objects, and their registration with the category "Gavelbook Site
// Sources" through which the main program finds the installed sites.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "interfaces/ClassIds.h"
#include "platform/ClassFactory.h"
#include "platform/ComponentExports.h"
#include "platform/ComponentLibrary.h"
#include "platform/ComponentRegistry.h"
#include "sites/SiteClasses.h"

namespace {

constexpr gb::Guid kAppId = gb::Guid::Literal("{3BF4B964-8F72-41C2-BE3C-7F90B0B99927}");
constexpr gb::Guid kTypeLibrary = gb::Guid::Literal("{A06B402C-3F5D-43F0-86A5-608C5BEB8BE6}");
constexpr std::string_view kAppName = "Bidscope";

struct SiteComponentClass {
    gb::SiteClass site;
    gb::ComponentClass component;
};

// In the order of the library's object map, in which the classes are
// registered and unregistered.
constexpr std::array<SiteComponentClass, 9> kClasses{{
    {gb::SiteClass::eBayCAN, {CLSID_eBayCAN, &gb::CreateObject<eBayCAN>}},
    {gb::SiteClass::eBayUSA, {CLSID_eBayUSA, &gb::CreateObject<eBayUSA>}},
    {gb::SiteClass::eBayATR, {CLSID_eBayATR, &gb::CreateObject<eBayATR>}},
    {gb::SiteClass::eBayAUS, {CLSID_eBayAUS, &gb::CreateObject<eBayAUS>}},
    {gb::SiteClass::eBayFRN, {CLSID_eBayFRN, &gb::CreateObject<eBayFRN>}},
    {gb::SiteClass::eBayGER, {CLSID_eBayGER, &gb::CreateObject<eBayGER>}},
    {gb::SiteClass::eBayNET, {CLSID_eBayNET, &gb::CreateObject<eBayNET>}},
    {gb::SiteClass::eBayNZ, {CLSID_eBayNZ, &gb::CreateObject<eBayNZ>}},
    {gb::SiteClass::eBayUK, {CLSID_eBayUK, &gb::CreateObject<eBayUK>}},
}};

constexpr std::array<gb::ComponentClass, kClasses.size()> kFactoryTable = [] {
    std::array<gb::ComponentClass, kClasses.size()> table{};
    for (std::size_t i = 0; i < kClasses.size(); ++i) {
        table[i] = kClasses[i].component;
    }
    return table;
}();

// The order in which the classes join the category.
constexpr std::array<gb::Guid, kClasses.size()> kCategoryOrder{
    CLSID_eBayUSA, CLSID_eBayCAN, CLSID_eBayATR, CLSID_eBayAUS, CLSID_eBayFRN,
    CLSID_eBayGER, CLSID_eBayNET, CLSID_eBayNZ,  CLSID_eBayUK};

constexpr std::array<gb::Guid, 1> kCategories{CATID_GavelbookSiteSources};

std::filesystem::path LibraryPath() {
    return gb::ComponentLibrary::PathContaining(&kClasses);
}

// "Bidscope.eBayUSA.1" and "Bidscope.eBayUSA", named "eBay USA".
gb::ClassRegistration RegistrationOf(const SiteComponentClass& siteClass) {
    const gb::SiteProfile& profile = gb::SiteProfileOf(siteClass.site);
    gb::ClassRegistration registration;
    registration.clsid = siteClass.component.clsid;
    registration.userTypeName = profile.displayName;
    registration.versionIndependentProgId =
        std::string(kAppName) + "." + std::string(profile.className);
    registration.progId = registration.versionIndependentProgId + ".1";
    registration.libraryPath = LibraryPath().string();
    registration.appId = kAppId;
    registration.typeLibrary = kTypeLibrary;
    return registration;
}

// Runs `step` on each element until one fails: that failure, else S_OK. The
// steps already done stay done.
template <class Range, class Step>
HRESULT EachUntilFailure(const Range& range, Step&& step) {
    for (const auto& element : range) {
        if (const HRESULT result = step(element); gb::Failed(result)) {
            return result;
        }
    }
    return S_OK;
}

HRESULT Register() {
    gb::ComponentRegistry registry;
    // The application identifier's entries do not decide the outcome.
    registry.RegisterAppId(kAppId, kAppName, LibraryPath().filename().string());
    if (const HRESULT result =
            EachUntilFailure(kClasses,
                             [&](const SiteComponentClass& siteClass) {
                                 return registry.RegisterClass(RegistrationOf(siteClass));
                             });
        gb::Failed(result)) {
        return result;
    }
    if (const HRESULT result = registry.RegisterCategory(
            CATID_GavelbookSiteSources, kSiteCategoryLocale, kSiteCategoryDescription);
        gb::Failed(result)) {
        return result;
    }
    return EachUntilFailure(kCategoryOrder, [&](const gb::Guid& clsid) {
        return registry.RegisterClassImplCategories(clsid, kCategories);
    });
}

HRESULT Unregister() {
    gb::ComponentRegistry registry;
    registry.UnregisterAppId(kAppId, LibraryPath().filename().string());
    if (const HRESULT result =
            EachUntilFailure(kClasses,
                             [&](const SiteComponentClass& siteClass) {
                                 return registry.UnregisterClass(RegistrationOf(siteClass));
                             });
        gb::Failed(result)) {
        return result;
    }
    // The category itself stays, with any sites other libraries add to it.
    return EachUntilFailure(kCategoryOrder, [&](const gb::Guid& clsid) {
        return registry.UnregisterClassImplCategories(clsid, kCategories);
    });
}

}  // namespace

HRESULT DllCanUnloadNow() {
    return gb::ModuleUsage::CanUnloadNow();
}

HRESULT DllGetClassObject(const gb::Guid& clsid, const gb::Guid& iid, void** object) {
    return gb::ClassFactory::Serve(kFactoryTable, clsid, iid, object);
}

HRESULT DllRegisterServer() {
    try {
        return Register();
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT DllUnregisterServer() {
    try {
        return Unregister();
    } catch (...) {
        return E_FAIL;
    }
}
