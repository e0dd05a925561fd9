#include "itemdb/SiteEventSink.h"

#include <new>

#include "platform/WindowRegistry.h"

namespace gb::itemdb {

namespace {

std::string Text(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

}  // namespace

HRESULT CSiteEventSink::UpdateRow(
    std::uint16_t nReq, const char* /*lpszBidscope*/, const char* lpszSeller, const char* lpszItem,
    const char* lpszStart, const char* lpszEnd, const char* lpszPrice, const char* lpszDesc,
    const char* lpszBidder, const char* lpszMail, const char* lpszRating, const char* lpszFees,
    const char* lpszCommission, const char* lpszStoreInsertFee, const char* lpszStoreFVFee,
    const char* lpszAucType, const char* lpszBuyerLocation, const char* lpszComplete) {
    try {
        RetrievedRow row;
        row.seller = Text(lpszSeller);
        row.item = Text(lpszItem);
        row.start = Text(lpszStart);
        row.end = Text(lpszEnd);
        row.price = Text(lpszPrice);
        row.description = Text(lpszDesc);
        row.bidder = Text(lpszBidder);
        row.email = Text(lpszMail);
        row.rating = Text(lpszRating);
        row.fees = Text(lpszFees);
        row.commission = Text(lpszCommission);
        row.storeInsertionFee = Text(lpszStoreInsertFee);
        row.storeFinalValueFee = Text(lpszStoreFVFee);
        row.auctionType = Text(lpszAucType);
        row.buyerLocation = Text(lpszBuyerLocation);
        row.completion = Text(lpszComplete);
        rows_->Push({nReq, std::move(row)});
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if (const gb::WindowHandle window = window_; window != 0) {
        gb::PostMessage(window, WM_RETRIEVED_ROW, nReq, 0);
    }
    return S_OK;
}

}  // namespace gb::itemdb
