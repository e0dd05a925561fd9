#include "retrieval/WebSource.h"

#include "platform/Settings.h"
#include "retrieval/RetrievalApp.h"
#include "retrieval/RetrievalSettings.h"
#include "retrieval/browser/BrowserSession.h"

namespace gb::retrieval {

WebSource::~WebSource() {
    if (!thread_.joinable()) {
        return;
    }
    worker_->Cancel();
    if (thread_.get_id() == std::this_thread::get_id()) {
        // Released from its own worker: the worker holds what it still needs.
        thread_.detach();
    } else {
        thread_.join();
    }
}

HRESULT WebSource::GetDataInterface(IUnknown** ppUnk) {
    if (ppUnk == nullptr) {
        return E_POINTER;
    }
    *ppUnk = site_.Get();
    return S_OK;
}

HRESULT WebSource::ObtainData(IUnknown* mpExtract, std::uint32_t ulMainWnd) {
    if (mpExtract == nullptr) {
        return E_POINTER;
    }
    if (worker_) {
        return E_FAIL;
    }
    site_ = gb::ComPtr<IUnknown>(mpExtract);
    mainWindow_ = ulMainWnd;
    return S_OK;
}

HRESULT WebSource::StartRetrieval() {
    if (!site_ || worker_) {
        return E_FAIL;
    }
    try {
        gb::ComPtr<IBidscope> site = site_.As<IBidscope>();
        if (!site) {
            return E_NOINTERFACE;
        }
        auto browser =
            std::make_unique<BrowserSession>(ReadBrowserOptions(gb::Settings::CurrentUser()));
        auto worker = std::make_shared<RetrievalWorker>(
            std::move(site), mainWindow_, std::move(browser), CRetrievalApp::Instance().Logs());
        thread_ = std::thread([worker] { worker->Run(); });
        worker_ = std::move(worker);
        return S_OK;
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace gb::retrieval
