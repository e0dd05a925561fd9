#pragma once
// A component library built only for the tests of the component model: a
// counter that fires an event to its advised sinks on every change. Two classes
// share the implementation under different names; both join one category.

#include <cstdint>
#include <string_view>

#include "platform/Unknown.h"

struct ITestCounter : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{53D400EA-3D91-4634-98EA-2335ED94C25E}");

    // Adds `amount` to the total and fires ITestCounterEvents::Changed.
    virtual HRESULT Add(std::int32_t amount) = 0;
    virtual HRESULT GetTotal(std::int32_t* total) = 0;
    // Posts WM_USER+1 with the total to a window of the host, from inside the library.
    virtual HRESULT PostTotal(std::uint32_t window) = 0;
    // The total as currency text in the user's default locale, into the caller's buffer.
    virtual HRESULT FormatTotal(char* buffer, std::uint32_t size) = 0;

protected:
    ~ITestCounter() = default;
};

struct ITestCounterEvents : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{2306B9BA-4CC4-4B28-97A6-76E030158A22}");

    virtual HRESULT Changed(std::int32_t total) = 0;

protected:
    ~ITestCounterEvents() = default;
};

inline constexpr gb::Guid CLSID_TestCounter =
    gb::Guid::Literal("{D555C048-D76A-40AF-85D0-C7C6CF5ADBE0}");
inline constexpr gb::Guid CLSID_TestTally =
    gb::Guid::Literal("{7F2FD3B9-A022-474F-8A86-F22BEBF27F46}");
inline constexpr gb::Guid CATID_TestComponents =
    gb::Guid::Literal("{C9FBB6D4-CFDF-4D69-BA97-84F23C36D722}");
inline constexpr std::string_view kTestCategoryDescription = "Gavelbook Test Components";
