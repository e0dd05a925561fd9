#pragma once
// The component that runs one retrieval: it holds the prepared site object and
// the main window, and runs the retrieval worker on a thread of its own.
// Releasing the object while its worker runs cancels the worker and waits for
// it before the site object is let go.

#include <memory>
#include <thread>

#include "interfaces/IWebSource.h"
#include "platform/ComObject.h"
#include "platform/MessageTarget.h"
#include "retrieval/RetrievalWorker.h"

namespace gb::retrieval {

class WebSource final : public gb::ComObject<IWebSource> {
public:
    WebSource() = default;
    ~WebSource() override;

    // The held site object, null before ObtainData; no reference is added.
    HRESULT GetDataInterface(IUnknown** ppUnk) override;
    // Holds the site object, which must answer IBidscope, and the main window.
    // E_POINTER for a null site; E_FAIL once the retrieval has started.
    HRESULT ObtainData(IUnknown* mpExtract, std::uint32_t ulMainWnd) override;
    // Starts the worker and returns at once. One retrieval per object: E_FAIL
    // without a site object or when already started.
    HRESULT StartRetrieval() override;

private:
    gb::ComPtr<IUnknown> site_;
    gb::WindowHandle mainWindow_ = 0;
    // Shared with the thread, so that it outlives a release made on the thread itself.
    std::shared_ptr<RetrievalWorker> worker_;
    std::thread thread_;
};

}  // namespace gb::retrieval
