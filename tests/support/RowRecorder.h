#pragma once
// An event sink for the site-object tests: records every UpdateRow.

#include <string>
#include <vector>

#include "interfaces/IBidscopeEvents.h"
#include "platform/ComObject.h"

namespace gb::test {

// The 18 arguments of one UpdateRow in order, the request number in decimal.
using UpdateRowArguments = std::vector<std::string>;

class RowRecorder final : public ComObject<_IBidscopeEvents> {
public:
    HRESULT UpdateRow(std::uint16_t nReq, const char* lpszBidscope, const char* lpszSeller,
                      const char* lpszItem, const char* lpszStart, const char* lpszEnd,
                      const char* lpszPrice, const char* lpszDesc, const char* lpszBidder,
                      const char* lpszMail, const char* lpszRating, const char* lpszFees,
                      const char* lpszCommission, const char* lpszStoreInsertFee,
                      const char* lpszStoreFVFee, const char* lpszAucType,
                      const char* lpszBuyerLocation, const char* lpszComplete) override {
        rows.push_back({std::to_string(nReq), lpszBidscope, lpszSeller, lpszItem, lpszStart,
                        lpszEnd, lpszPrice, lpszDesc, lpszBidder, lpszMail, lpszRating, lpszFees,
                        lpszCommission, lpszStoreInsertFee, lpszStoreFVFee, lpszAucType,
                        lpszBuyerLocation, lpszComplete});
        return result;
    }

    std::vector<UpdateRowArguments> rows;
    HRESULT result = S_OK;
};

}  // namespace gb::test
