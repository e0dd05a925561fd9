#pragma once
// The profile document's receiver of the site objects' rows. A site object
// fires UpdateRow on the retrieval worker's thread; the sink copies the row
// into the document's queue of waiting rows and posts WM_RETRIEVED_ROW to the
// main window, whose thread merges the waiting rows into the item list. The
// worker posts its end message to the same window after its last row, so the
// end never overtakes the rows.

#include <atomic>
#include <memory>

#include "interfaces/IBidscopeEvents.h"
#include "itemdb/RetrievedRowQueue.h"
#include "platform/ComObject.h"
#include "platform/MessageTarget.h"

namespace gb::itemdb {

// Posted to the main window for every row fired: wParam the request number.
// The row itself waits in the document's queue.
inline constexpr std::uint32_t WM_RETRIEVED_ROW = gb::WM_USER + 3;

class CSiteEventSink final : public gb::ComObject<_IBidscopeEvents> {
public:
    explicit CSiteEventSink(std::shared_ptr<RetrievedRowQueue> rows) : rows_(std::move(rows)) {}

    // The window told of each row; 0: none.
    void SetWindow(gb::WindowHandle window) { window_ = window; }

    // Copies the row (the site text aside: the document files rows under its
    // own seller entry's site) and posts the notice. A null text counts as
    // empty. S_OK; E_OUTOFMEMORY when the row cannot be copied.
    HRESULT UpdateRow(std::uint16_t nReq, const char* lpszBidscope, const char* lpszSeller,
                      const char* lpszItem, const char* lpszStart, const char* lpszEnd,
                      const char* lpszPrice, const char* lpszDesc, const char* lpszBidder,
                      const char* lpszMail, const char* lpszRating, const char* lpszFees,
                      const char* lpszCommission, const char* lpszStoreInsertFee,
                      const char* lpszStoreFVFee, const char* lpszAucType,
                      const char* lpszBuyerLocation, const char* lpszComplete) override;

private:
    std::shared_ptr<RetrievedRowQueue> rows_;
    std::atomic<gb::WindowHandle> window_{0};
};

}  // namespace gb::itemdb
