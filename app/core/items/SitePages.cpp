#include "app/core/items/SitePages.h"

#include "app/core/CommandIds.h"
#include "app/core/ShellService.h"
#include "app/core/UiStrings.h"
#include "itemdb/AucItem.h"

namespace gb::app {

namespace {

void ReplaceEvery(std::string& text, std::string_view token, std::string_view value) {
    for (std::size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + value.size())) {
        text.replace(at, token.size(), value);
    }
}

}  // namespace

std::string SiteAuctionId(std::string_view auctionId) {
    const std::size_t hyphen = auctionId.find('-', 1);
    return std::string(auctionId.substr(0, hyphen));
}

std::string SitePageAddress(const gb::itemdb::CAucItem& item, int command,
                            const SiteAddressSource& addresses) {
    const int kind = command - cmd::ViewListing + 1;
    std::string address = addresses(item.GetSite(), SiteAuctionId(item.GetAuctionId()), kind);
    ReplaceEvery(address, "$SELLER_ID$", item.GetSellerId());
    ReplaceEvery(address, "$BUYER_ID$", item.GetBuyerId());
    return address;
}

std::optional<int> OpenSitePage(const gb::itemdb::CAucItem* item, int command,
                                const SiteAddressSource& addresses, ShellService& shell) {
    if (item == nullptr) {
        return string_id::NoItemToView;
    }
    const std::string address = SitePageAddress(*item, command, addresses);
    if (address.empty() || shell.OpenLink(address)) {
        return std::nullopt;
    }
    return string_id::CannotNavigate;
}

}  // namespace gb::app
