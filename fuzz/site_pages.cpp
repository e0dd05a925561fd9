// Hands a site object a listing page and a buyer page the way the retrieval
// worker does, and takes every row it fires.
//
// Input: one byte choosing the site, one byte of options (bit 0: the seller's
// password is given, bit 1: adult items), then the listing page, a NUL byte
// and the buyer page every row is completed from.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "interfaces/IBidscope.h"
#include "interfaces/IBidscopeEvents.h"
#include "platform/ComObject.h"
#include "platform/ConnectionPoint.h"
#include "sites/SiteBase.h"
#include "sites/SiteProfile.h"

namespace {

// The buffer size the retrieval worker passes.
constexpr std::uint32_t kBufferSize = 512;

// Reads every text of every row, as the program's sink copies them.
class RowReader final : public gb::ComObject<_IBidscopeEvents> {
public:
    HRESULT UpdateRow(std::uint16_t, const char* lpszBidscope, const char* lpszSeller,
                      const char* lpszItem, const char* lpszStart, const char* lpszEnd,
                      const char* lpszPrice, const char* lpszDesc, const char* lpszBidder,
                      const char* lpszMail, const char* lpszRating, const char* lpszFees,
                      const char* lpszCommission, const char* lpszStoreInsertFee,
                      const char* lpszStoreFVFee, const char* lpszAucType,
                      const char* lpszBuyerLocation, const char* lpszComplete) override {
        for (const char* text :
             {lpszBidscope, lpszSeller, lpszItem, lpszStart, lpszEnd, lpszPrice, lpszDesc,
              lpszBidder, lpszMail, lpszRating, lpszFees, lpszCommission, lpszStoreInsertFee,
              lpszStoreFVFee, lpszAucType, lpszBuyerLocation, lpszComplete}) {
            if (text != nullptr) {
                length_ += std::strlen(text);
            }
        }
        return S_OK;
    }

private:
    std::size_t length_ = 0;
};

std::string NoHostSet(std::string_view, gb::sites::SiteServer) {
    return {};
}

void WalkListing(IBidscope& site, const std::string& listing, const std::string& buyerPage) {
    std::array<char, kBufferSize> url{};
    site.GetInitURL(url.data(), kBufferSize);
    site.GetURL(url.data(), kBufferSize);
    for (HRESULT status = site.SetSummaryPage(listing.c_str()); status == S_OK;) {
        if (site.GetBuyerURL(url.data(), kBufferSize) != S_OK) {
            break;
        }
        status = site.ParseData(url[0] != '\0' ? buyerPage.c_str() : "");
        if (status == S_OK) {
            status = site.MoveNextRow();
        }
    }
    std::uint16_t morePages = 0;
    if (site.GoNextPage(&morePages) == S_OK && morePages != 0) {
        site.GetURL(url.data(), kBufferSize);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::span<const gb::sites::SiteProfile> profiles = gb::sites::AllSiteProfiles();
    const gb::sites::SiteProfile& profile = profiles[data[0] % profiles.size()];
    const std::uint8_t options = data[1];
    const std::string_view pages(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t split = pages.find('\0');
    const std::string listing(pages.substr(0, split));
    const std::string buyerPage(split == std::string_view::npos ? std::string_view()
                                                                : pages.substr(split + 1));

    const auto site = gb::MakeObject<gb::sites::CSiteBase>(profile, NoHostSet);
    gb::ComPtr<IConnectionPoint> point;
    site->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put());
    const auto reader = gb::MakeObject<RowReader>();
    std::uint32_t cookie = 0;
    point->Advise(reader.Get(), &cookie);

    site->SetUser("seller", (options & 1) != 0 ? "secret" : "");
    site->SetAdult((options & 2) != 0 ? 1 : 0);
    site->SetDays(31);
    site->SetRequest(1);
    WalkListing(*site, listing, buyerPage);
    point->Unadvise(cookie);
    return 0;
}
