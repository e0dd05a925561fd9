#pragma once
// A site object: one seller ID on one auction site for one retrieval. Texts are
// 8-bit, zero-terminated; an operation that returns text copies it into the
// caller's buffer only when its length is less than the buffer's size, else it
// returns E_FAIL and leaves the buffer alone.

#include <cstdint>

#include "platform/Unknown.h"

struct IBidscope : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{A22EDA8E-AF8D-4ACC-B0F4-D786A2FB6D58}");

    virtual HRESULT SetUser(const char* lpszUser, const char* lpszPassWd) = 0;
    virtual HRESULT SetRequest(std::uint16_t nRequest) = 0;
    virtual HRESULT GetItemURL(const char* sItem, char* sURL, std::uint32_t nLen) = 0;
    virtual HRESULT SetDays(std::uint16_t nDays) = 0;
    virtual HRESULT GetAuxURL(std::uint16_t nSelect, char* sURL, std::uint32_t nLen) = 0;
    virtual HRESULT GetRequest(std::uint16_t* nRequest) = 0;
    virtual HRESULT GetSiteID(char* sSiteID, std::uint32_t nLen) = 0;
    virtual HRESULT GetInitURL(char* sURL, std::uint32_t Bufflen) = 0;
    virtual HRESULT GetURL(char* sURL, std::uint32_t Bufflen) = 0;
    virtual HRESULT GoNextPage(std::uint16_t* bMorePages) = 0;
    virtual HRESULT ParseData(const char* lpszData) = 0;
    virtual HRESULT GetUser(char* lpszUser, char* lpszPass, std::uint32_t Bufflen) = 0;
    virtual HRESULT SetSummaryPage(const char* lpszHTML) = 0;
    virtual HRESULT GetBuyerURL(char* sURL, std::uint32_t Bufflen) = 0;
    // S_FALSE when the page has no further row.
    virtual HRESULT MoveNextRow() = 0;
    virtual HRESULT GetAdultURL(char* sURL, std::uint32_t Bufflen) = 0;
    virtual HRESULT SetAdult(std::uint16_t bAdultOn) = 0;

protected:
    ~IBidscope() = default;
};

// Selectors of IBidscope::GetAuxURL; any other value gives the item's page.
inline constexpr std::uint16_t kAuxViewBids = 1;
inline constexpr std::uint16_t kAuxLeaveFeedback = 2;
