#include "sites/SiteBase.h"

#include <array>
#include <string_view>

#include "platform/TextTokens.h"
#include "sites/BuyerPageReader.h"
#include "sites/OutputBuffer.h"

namespace gb::sites {

namespace {

constexpr std::string_view kRow = "<tr>";
constexpr std::string_view kRowEnd = "</tr>";
// What marks a listing row, on every site.
constexpr std::string_view kRowKey = "item=";
// The end of the link to the next listing page.
constexpr std::string_view kNextPageLink = ">&gt;&gt;</a>";
constexpr std::string_view kItemToken = "$ITEM_NUM$";

std::string_view TextOrEmpty(const char* text) {
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// No exception may cross a component interface: running out of memory fails
// the operation instead.
template <class Operation>
HRESULT Guarded(Operation&& operation) noexcept {
    try {
        return operation();
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace

CSiteBase::CSiteBase(const SiteProfile& profile, const HostLookup& hosts)
    : urls_(profile.ResolveUrls(hosts)), displayName_(profile.displayName), rowParser_(profile) {}

HRESULT CSiteBase::SetUser(const char* lpszUser, const char* lpszPassWd) {
    return Guarded([&] {
        user_ = TextOrEmpty(lpszUser);
        password_ = TextOrEmpty(lpszPassWd);
        if (password_.empty()) {
            urls_.signIn.clear();
        }
        return S_OK;
    });
}

HRESULT CSiteBase::SetRequest(std::uint16_t nRequest) {
    request_ = nRequest;
    return S_OK;
}

HRESULT CSiteBase::GetItemURL(const char* sItem, char* sURL, std::uint32_t nLen) {
    return Guarded([&] { return CopyToBuffer(urls_.ItemUrl(TextOrEmpty(sItem)), sURL, nLen); });
}

HRESULT CSiteBase::SetDays(std::uint16_t nDays) {
    days_ = nDays;
    return S_OK;
}

HRESULT CSiteBase::GetAuxURL(std::uint16_t nSelect, char* sURL, std::uint32_t nLen) {
    switch (nSelect) {
        case kAuxViewBids:
            return CopyToBuffer(urls_.viewBids, sURL, nLen);
        case kAuxLeaveFeedback:
            return CopyToBuffer(urls_.leaveFeedback, sURL, nLen);
        default:
            return CopyToBuffer(urls_.viewItem, sURL, nLen);
    }
}

HRESULT CSiteBase::GetRequest(std::uint16_t* nRequest) {
    if (nRequest == nullptr) {
        return E_FAIL;
    }
    *nRequest = request_;
    return S_OK;
}

HRESULT CSiteBase::GetSiteID(char* sSiteID, std::uint32_t nLen) {
    return Guarded([&] { return CopyToBuffer(displayName_ + ":" + user_, sSiteID, nLen); });
}

HRESULT CSiteBase::GetInitURL(char* sURL, std::uint32_t Bufflen) {
    // The size is tested against the sign-in URL even when no password asks for it.
    if (!FitsBuffer(urls_.signIn, sURL, Bufflen)) {
        return E_FAIL;
    }
    return CopyToBuffer(password_.empty() ? std::string_view() : urls_.signIn, sURL, Bufflen);
}

HRESULT CSiteBase::GetURL(char* sURL, std::uint32_t Bufflen) {
    return Guarded([&] {
        return CopyToBuffer(urls_.ListingUrl(user_, !password_.empty(), page_, days_), sURL,
                            Bufflen);
    });
}

HRESULT CSiteBase::GoNextPage(std::uint16_t* bMorePages) {
    if (bMorePages == nullptr) {
        return E_FAIL;
    }
    *bMorePages = morePages_ ? 1 : 0;
    if (morePages_) {
        ++page_;
    }
    return S_OK;
}

HRESULT CSiteBase::ParseData(const char* lpszData) {
    return Guarded([&] {
        if (row_.item.empty()) {
            return S_OK;
        }
        ReadBuyerPage(TextOrEmpty(lpszData), row_);
        FireUpdateRow();
        return S_OK;
    });
}

HRESULT CSiteBase::GetUser(char* lpszUser, char* lpszPass, std::uint32_t Bufflen) {
    if (!FitsBuffer(user_, lpszUser, Bufflen) || !FitsBuffer(password_, lpszPass, Bufflen)) {
        return E_FAIL;
    }
    CopyToBuffer(user_, lpszUser, Bufflen);
    CopyToBuffer(password_, lpszPass, Bufflen);
    return S_OK;
}

HRESULT CSiteBase::SetSummaryPage(const char* lpszHTML) {
    return Guarded([&] {
        pageCursor_.SetText(TextOrEmpty(lpszHTML));
        morePages_ = false;
        // The rows up to the first item row may hold the next-page link.
        for (;;) {
            if (!pageCursor_.EnterTag(kRow, kRowEnd)) {
                return E_FAIL;
            }
            if (pageCursor_.Find(kNextPageLink)) {
                morePages_ = true;
            }
            if (pageCursor_.Find(kRowKey)) {
                break;
            }
            if (!pageCursor_.Leave(kRowEnd)) {
                return E_FAIL;
            }
        }
        const bool taken = ParseCurrentRow();
        pageCursor_.Leave(kRowEnd);
        return taken ? S_OK : E_FAIL;
    });
}

HRESULT CSiteBase::GetBuyerURL(char* sURL, std::uint32_t Bufflen) {
    if (sURL == nullptr || Bufflen == 0) {
        return E_FAIL;
    }
    sURL[0] = '\0';
    return Guarded([&] { return CopyToBuffer(BuyerUrl(), sURL, Bufflen); });
}

HRESULT CSiteBase::MoveNextRow() {
    // The first row that is not an item row ends the page.
    return Guarded([&] {
        if (!pageCursor_.EnterTag(kRow, kRowEnd) || !ParseCurrentRow() ||
            !pageCursor_.Leave(kRowEnd)) {
            return S_FALSE;
        }
        return S_OK;
    });
}

HRESULT CSiteBase::GetAdultURL(char* sURL, std::uint32_t Bufflen) {
    if (!FitsBuffer(urls_.adultSignIn, sURL, Bufflen)) {
        return E_FAIL;
    }
    return CopyToBuffer(adult_ ? urls_.adultSignIn : std::string_view(), sURL, Bufflen);
}

HRESULT CSiteBase::SetAdult(std::uint16_t bAdultOn) {
    // Only a seller who signs in can pass the adult-consent form.
    adult_ = bAdultOn != 0 && !password_.empty();
    return S_OK;
}

HRESULT CSiteBase::EnumConnectionPoints(IConnectionPoint** points, std::uint32_t capacity,
                                        std::uint32_t* count) {
    const std::array<IConnectionPoint*, 1> all{&events_};
    return gb::ConnectionPointBase::List(all, points, capacity, count);
}

HRESULT CSiteBase::FindConnectionPoint(const gb::Guid& iid, IConnectionPoint** point) {
    const std::array<IConnectionPoint*, 1> all{&events_};
    return gb::ConnectionPointBase::Find(all, iid, point);
}

bool CSiteBase::ParseCurrentRow() {
    rowCursor_.SetText(pageCursor_.GetText());
    return rowParser_.ParseRow(rowCursor_, row_);
}

std::string CSiteBase::BuyerUrl() const {
    if (!row_.HasBuyerPage()) {
        return {};
    }
    std::string url = password_.empty() ? urls_.viewBids : urls_.bidderEmails;
    ReplaceToken(url, kItemToken, row_.item);
    return url;
}

void CSiteBase::FireUpdateRow() const {
    // The sinks get texts that stay put even if one of them calls back into
    // this object.
    const SiteRow row = row_;
    const std::string displayName = displayName_;
    const std::string user = user_;
    const std::uint16_t request = request_;
    // A failing sink neither stops the others nor fails the row.
    events_.Fire([&](_IBidscopeEvents& sink) {
        return sink.UpdateRow(request, displayName.c_str(), user.c_str(), row.item.c_str(),
                              row.start.c_str(), row.end.c_str(), row.price.c_str(),
                              row.desc.c_str(), row.bidder.c_str(), row.mail.c_str(),
                              row.rating.c_str(), row.fees.c_str(), row.commission.c_str(),
                              row.storeInsertFee.c_str(), row.storeFVFee.c_str(),
                              row.aucType.c_str(), row.buyerLocation.c_str(), row.complete.c_str());
    });
}

}  // namespace gb::sites
