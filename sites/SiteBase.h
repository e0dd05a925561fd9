#pragma once
// The site object: one seller ID on one auction site for the length of one
// retrieval. It builds the site's URLs for the seller, walks the rows of the
// listing pages the retrieval worker hands it, completes each row from its
// buyer page and fires the row to the advised _IBidscopeEvents sinks. It never
// loads a page itself. The nine site classes are this one implementation over
// their site profiles.
//
// The object has no lock: the main program prepares it and then only the
// retrieval worker's thread calls it; the rows are fired on that thread.

#include <cstdint>
#include <string>

#include "interfaces/IBidscope.h"
#include "interfaces/IBidscopeEvents.h"
#include "platform/ComObject.h"
#include "platform/ConnectionPoint.h"
#include "sites/HtmlParser.h"
#include "sites/ListingRowParser.h"
#include "sites/SiteProfile.h"
#include "sites/SiteRow.h"

namespace gb::sites {

class CSiteBase : public gb::ComObject<IBidscope, IConnectionPointContainer> {
public:
    // The site's URLs take their host names from `hosts`.
    CSiteBase(const SiteProfile& profile, const HostLookup& hosts);

    // IBidscope. Every operation that fills a buffer copies its text only when
    // the text's length is less than the buffer's size, else returns E_FAIL
    // and leaves the buffer alone; a null pointer is E_FAIL too. A null text
    // argument counts as the empty text.
    HRESULT SetUser(const char* lpszUser, const char* lpszPassWd) override;
    HRESULT SetRequest(std::uint16_t nRequest) override;
    HRESULT GetItemURL(const char* sItem, char* sURL, std::uint32_t nLen) override;
    HRESULT SetDays(std::uint16_t nDays) override;
    HRESULT GetAuxURL(std::uint16_t nSelect, char* sURL, std::uint32_t nLen) override;
    HRESULT GetRequest(std::uint16_t* nRequest) override;
    HRESULT GetSiteID(char* sSiteID, std::uint32_t nLen) override;
    HRESULT GetInitURL(char* sURL, std::uint32_t Bufflen) override;
    HRESULT GetURL(char* sURL, std::uint32_t Bufflen) override;
    HRESULT GoNextPage(std::uint16_t* bMorePages) override;
    HRESULT ParseData(const char* lpszData) override;
    HRESULT GetUser(char* lpszUser, char* lpszPass, std::uint32_t Bufflen) override;
    HRESULT SetSummaryPage(const char* lpszHTML) override;
    HRESULT GetBuyerURL(char* sURL, std::uint32_t Bufflen) override;
    HRESULT MoveNextRow() override;
    HRESULT GetAdultURL(char* sURL, std::uint32_t Bufflen) override;
    HRESULT SetAdult(std::uint16_t bAdultOn) override;

    // IConnectionPointContainer: one point, for _IBidscopeEvents.
    HRESULT EnumConnectionPoints(IConnectionPoint** points, std::uint32_t capacity,
                                 std::uint32_t* count) override;
    HRESULT FindConnectionPoint(const gb::Guid& iid, IConnectionPoint** point) override;

private:
    // Loads the text of the <tr> the page cursor has entered into the row
    // cursor and parses it into the current row.
    bool ParseCurrentRow();
    // The buyer page the worker must load for the current row, or the empty text.
    std::string BuyerUrl() const;
    void FireUpdateRow() const;

    std::uint16_t request_ = 0;
    std::int32_t page_ = 1;
    bool morePages_ = false;
    bool adult_ = false;
    // The URL templates with tokens kept; SetUser without a password empties
    // the sign-in URL for good.
    SiteUrls urls_;
    std::string displayName_;
    std::string user_;
    std::string password_;
    std::uint16_t days_ = 0;
    SiteRow row_;
    CHtmlParser pageCursor_;
    CHtmlParser rowCursor_;
    ListingRowParser rowParser_;
    gb::ConnectionPoint<_IBidscopeEvents> events_{*this};
};

}  // namespace gb::sites
