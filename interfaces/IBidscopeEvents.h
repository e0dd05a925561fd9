#pragma once
// The outgoing interface of a site object: one call per completed item row. The
// texts belong to the site object and are valid only during the call.

#include <cstdint>

#include "platform/Unknown.h"

struct _IBidscopeEvents : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{49B829DF-51F9-43E5-A6D5-ACE2F79FB403}");

    virtual HRESULT UpdateRow(std::uint16_t nReq, const char* lpszBidscope, const char* lpszSeller,
                              const char* lpszItem, const char* lpszStart, const char* lpszEnd,
                              const char* lpszPrice, const char* lpszDesc, const char* lpszBidder,
                              const char* lpszMail, const char* lpszRating, const char* lpszFees,
                              const char* lpszCommission, const char* lpszStoreInsertFee,
                              const char* lpszStoreFVFee, const char* lpszAucType,
                              const char* lpszBuyerLocation, const char* lpszComplete) = 0;

protected:
    ~_IBidscopeEvents() = default;
};
