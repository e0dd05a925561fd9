#pragma once
// One retrieval: holds a prepared site object and the main window, and runs the
// retrieval on a worker thread of its own.

#include <cstdint>

#include "platform/Unknown.h"

struct IWebSource : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{0F9FE6DF-2BA6-4F55-834A-44A14D705F15}");

    // The held site object (null before ObtainData), without a reference added.
    virtual HRESULT GetDataInterface(IUnknown** ppUnk) = 0;
    // Holds the site object (its IBidscope) and the window that receives the
    // progress messages (0: none).
    virtual HRESULT ObtainData(IUnknown* mpExtract, std::uint32_t ulMainWnd) = 0;
    // Starts the worker and returns at once.
    virtual HRESULT StartRetrieval() = 0;

protected:
    ~IWebSource() = default;
};
