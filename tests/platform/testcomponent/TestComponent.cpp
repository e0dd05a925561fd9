#include "tests/platform/testcomponent/TestComponent.h"

#include <array>
#include <cstring>
#include <string>

#include "platform/ComponentServer.h"
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

const gb::ComponentServer& Server() {
    static const gb::ComponentServer server(
        {
            .appName = "GavelbookTest",
            .appId = std::nullopt,
            .typeLibrary = std::nullopt,
            .classes =
                {
                    {{CLSID_TestCounter, &gb::CreateObject<TestCounter>},
                     "Test Counter",
                     "GavelbookTest.Counter"},
                    {{CLSID_TestTally, &gb::CreateObject<TestCounter>},
                     "Test Tally",
                     "GavelbookTest.Tally"},
                },
            .category =
                gb::ServedCategory{
                    CATID_TestComponents,
                    1033,
                    std::string(kTestCategoryDescription),
                    {CLSID_TestCounter, CLSID_TestTally},
                },
        },
        &server);
    return server;
}

}  // namespace

GB_COMPONENT_SERVER_EXPORTS(Server())
