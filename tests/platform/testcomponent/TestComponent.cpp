#include "tests/platform/testcomponent/TestComponent.h"

#include <array>
#include <cstring>
#include <string>

#include "platform/ClassFactory.h"
#include "platform/ComponentExports.h"
#include "platform/ComponentLibrary.h"
#include "platform/ComponentRegistry.h"
#include "platform/ConnectionPoint.h"
#include "platform/Locale.h"
#include "platform/WindowRegistry.h"

namespace {

class TestCounter final : public gb::ComObject<ITestCounter, IConnectionPointContainer> {
public:
    HRESULT Add(std::int32_t amount) override {
        total_ += amount;
        const std::int32_t total = total_;
        return changed_.Fire([total](ITestCounterEvents& sink) { return sink.Changed(total); });
    }

    HRESULT GetTotal(std::int32_t* total) override {
        if (total == nullptr) {
            return E_POINTER;
        }
        *total = total_;
        return S_OK;
    }

    HRESULT PostTotal(std::uint32_t window) override {
        return gb::PostMessage(window, gb::WM_USER + 1, 0, total_) ? S_OK : E_FAIL;
    }

    HRESULT FormatTotal(char* buffer, std::uint32_t size) override {
        const auto text = gb::FormatCurrencyNumber(std::to_string(total_), gb::kLocaleUserDefault);
        if (!text || buffer == nullptr || text->size() >= size) {
            return E_FAIL;
        }
        std::memcpy(buffer, text->c_str(), text->size() + 1);
        return S_OK;
    }

    HRESULT EnumConnectionPoints(IConnectionPoint** points, std::uint32_t capacity,
                                 std::uint32_t* count) override {
        return gb::ConnectionPointBase::List(Points(), points, capacity, count);
    }

    HRESULT FindConnectionPoint(const gb::Guid& iid, IConnectionPoint** point) override {
        return gb::ConnectionPointBase::Find(Points(), iid, point);
    }

private:
    std::array<IConnectionPoint*, 1> Points() { return {&changed_}; }

    std::int32_t total_ = 0;
    gb::ConnectionPoint<ITestCounterEvents> changed_{*this};
};

struct TestClass {
    gb::ComponentClass component;
    std::string_view userTypeName;
    std::string_view progId;
    std::string_view versionIndependentProgId;
};

constexpr std::array<TestClass, 2> kClasses{{
    {{CLSID_TestCounter, &gb::CreateObject<TestCounter>},
     "Test Counter",
     "GavelbookTest.Counter.1",
     "GavelbookTest.Counter"},
    {{CLSID_TestTally, &gb::CreateObject<TestCounter>},
     "Test Tally",
     "GavelbookTest.Tally.1",
     "GavelbookTest.Tally"},
}};

constexpr std::array<gb::ComponentClass, 2> kFactoryTable{
    {kClasses[0].component, kClasses[1].component}};

gb::ClassRegistration RegistrationOf(const TestClass& testClass) {
    gb::ClassRegistration registration;
    registration.clsid = testClass.component.clsid;
    registration.userTypeName = testClass.userTypeName;
    registration.progId = testClass.progId;
    registration.versionIndependentProgId = testClass.versionIndependentProgId;
    registration.libraryPath = gb::ComponentLibrary::PathContaining(&kClasses).string();
    return registration;
}

}  // namespace

HRESULT DllCanUnloadNow() {
    return gb::ModuleUsage::CanUnloadNow();
}

HRESULT DllGetClassObject(const gb::Guid& clsid, const gb::Guid& iid, void** object) {
    return gb::ClassFactory::Serve(kFactoryTable, clsid, iid, object);
}

HRESULT DllRegisterServer() {
    gb::ComponentRegistry registry;
    for (const TestClass& testClass : kClasses) {
        if (const HRESULT result = registry.RegisterClass(RegistrationOf(testClass));
            gb::Failed(result)) {
            return result;
        }
    }
    if (const HRESULT result =
            registry.RegisterCategory(CATID_TestComponents, 1033, kTestCategoryDescription);
        gb::Failed(result)) {
        return result;
    }
    for (const TestClass& testClass : kClasses) {
        if (const HRESULT result = registry.RegisterClassImplCategories(
                testClass.component.clsid, std::array{CATID_TestComponents});
            gb::Failed(result)) {
            return result;
        }
    }
    return S_OK;
}

HRESULT DllUnregisterServer() {
    gb::ComponentRegistry registry;
    for (const TestClass& testClass : kClasses) {
        if (const HRESULT result = registry.UnregisterClass(RegistrationOf(testClass));
            gb::Failed(result)) {
            return result;
        }
    }
    return S_OK;
}
