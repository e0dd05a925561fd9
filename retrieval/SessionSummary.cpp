#include "retrieval/SessionSummary.h"

#include "retrieval/RetrievalApp.h"

namespace gb::retrieval {

HRESULT SessionSummary::GetDetails(char* sDetails, std::uint32_t lBuffSize) {
    try {
        CRetrievalApp::Instance().DetailsLog().ReadFromStart(sDetails, lBuffSize);
        return S_OK;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT SessionSummary::GetSummary(char* sSummary, std::uint32_t lBuffSize) {
    try {
        CRetrievalApp::Instance().SummaryLog().ReadFromStart(sSummary, lBuffSize);
        return S_OK;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT SessionSummary::Reset() {
    try {
        CRetrievalApp& app = CRetrievalApp::Instance();
        const bool details = app.DetailsLog().Clear();
        const bool summary = app.SummaryLog().Clear();
        return details && summary ? S_OK : E_FAIL;
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace gb::retrieval
