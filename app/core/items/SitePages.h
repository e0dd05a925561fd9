#pragma once
// The item's pages on its auction site (View Listing, Bid History, Feedback,
// commands 249-252): the address the site gives for the item, with the seller
// and buyer filled in, opened with the desktop's own program for it (the
// user's web browser), so that the item list stays as it is.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace gb::itemdb {
class CAucItem;
}  // namespace gb::itemdb

namespace gb::app {

class ShellService;

// The address of a page of a site: the site's name, the auction ID and the
// kind of page (1 listing, 2 bid history, 3 feedback; any other the
// listing); empty when the site has none.
using SiteAddressSource =
    std::function<std::string(std::string_view site, std::string_view auctionId, int kind)>;

// The ID the site knows an item by: a hyphen after the first character ends
// it, so that a duplicate "1234-1" finds the listing of 1234.
std::string SiteAuctionId(std::string_view auctionId);

// The address of the page that command 249-252 opens for the item, with
// every "$SELLER_ID$" and "$BUYER_ID$" replaced by the item's IDs; empty when
// the site gives none.
std::string SitePageAddress(const gb::itemdb::CAucItem& item, int command,
                            const SiteAddressSource& addresses);

// Opens the page of command 249-252 for the item (the first selected one)
// through the shell; the string ID of the message to show: 59507 without an
// item, 59508 when the desktop cannot open it. An empty address opens
// nothing and says nothing.
std::optional<int> OpenSitePage(const gb::itemdb::CAucItem* item, int command,
                                const SiteAddressSource& addresses, ShellService& shell);

}  // namespace gb::app
