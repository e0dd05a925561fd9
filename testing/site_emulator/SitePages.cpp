#include "SitePages.h"

#include "HtmlText.h"
#include "platform/TextTokens.h"

using namespace gb::sites;

namespace gb::emulator {

namespace {

constexpr char kTableStart[] = "<table border=\"1\" cellpadding=\"2\">\r\n";
constexpr char kTableEnd[] = "</table>\r\n";

std::string Cell(std::string_view content, std::string_view attributes = {}) {
    return "<td valign=\"top\"" + std::string(attributes) + ">" + std::string(content) +
           "</td>\r\n";
}

bool HasBids(const EmulatedItem& item) {
    return item.kind == SaleKind::Auction && item.buyer.has_value();
}

std::string MailAnchor(std::string_view address, std::string_view shown) {
    return Anchor("mailto:" + std::string(address), shown);
}

}  // namespace

SitePages::SitePages(SiteClass site, std::string_view host)
    : forms_(SiteForms::Of(site)),
      urls_(SiteProfileOf(site).ResolveUrls(
          [host](std::string_view, SiteServer) { return std::string(host); })),
      feedbackUrl_("http://" + std::string(host) + "/ws/eBayISAPI.dll?ViewFeedback&userid=") {}

std::string SitePages::ListingPage(const Listing& listing, std::span<const EmulatedItem> items,
                                   const DateTime& now) const {
    const char* columns = listing.withEmails ? "7" : "6";
    std::string body =
        "<h2>Items listed by " + EscapeHtml(listing.userId) + "</h2>\r\n" + kTableStart;
    // The link to the next page stands above the first item row.
    body += "<tr><td colspan=\"" + std::string(columns) + "\">Page " +
            std::to_string(listing.page) + " of " + std::to_string(listing.pageCount);
    if (listing.page < listing.pageCount) {
        body += " " + Anchor(urls_.ListingUrl(listing.userId, listing.withEmails, listing.page + 1,
                                              listing.days),
                             "&gt;&gt;");
    }
    body += "</td></tr>\r\n";
    body +=
        "<tr><th>Item#</th><th>Start</th><th>End</th><th>Price</th><th>Title</th>"
        "<th>High Bidder</th>";
    body += listing.withEmails ? "<th>E-mail</th></tr>\r\n" : "</tr>\r\n";
    for (const EmulatedItem& item : items) {
        body += Row(item, listing.withEmails, now);
    }
    body += "<tr><td colspan=\"" + std::string(columns) + "\">" + std::to_string(items.size()) +
            " items shown</td></tr>\r\n" + kTableEnd;
    return HtmlDocument("Items listed by " + std::string(listing.userId), body);
}

std::string SitePages::Row(const EmulatedItem& item, bool withEmails, const DateTime& now) const {
    const bool ended = item.end <= now;
    const std::string price = forms_.Price(item.price);
    std::string row = "<tr bgcolor=\"#ffffff\">\r\n";
    row += Cell(Anchor(urls_.ItemUrl(item.number), EscapeHtml(item.number)));
    row += Cell(forms_.Date(item.start));
    row += Cell(forms_.Date(item.end));
    row += Cell(HasBids(item) ? "<b>" + price + "</b>" : price, " align=\"right\"");
    row += Cell("<font size=\"2\">" + EscapeHtml(item.title) + "</font>");
    row += Cell(SaleCell(item, ended));
    if (withEmails) {
        const bool shown = item.buyer && !item.buyer->email.empty();
        row += Cell(shown ? MailAnchor(item.buyer->email, EscapeHtml(item.buyer->email)) : "");
    }
    return row + "</tr>\r\n";
}

std::string SitePages::SaleCell(const EmulatedItem& item, bool ended) const {
    const std::string endedMark = ended ? " (*)" : "";
    switch (item.kind) {
        case SaleKind::Auction:
            if (item.buyer) {
                return UserAnchors(*item.buyer) + endedMark;
            }
            return ended ? "(*)" : "&nbsp;";
        case SaleKind::FixedPrice:
            return Anchor(BidsUrl(item.number), "Purchases") + (item.buyer ? endedMark : "");
        case SaleKind::Dutch:
            return Anchor(BidsUrl(item.number) + "#dutch", "ViewBids") +
                   (ended ? endedMark : " (" + std::to_string(item.quantityLeft) + " left)");
    }
    return {};
}

std::string SitePages::UserAnchors(const EmulatedBuyer& user) const {
    const std::string feedback = feedbackUrl_ + user.userId;
    return Anchor(feedback, EscapeHtml(user.userId)) + " (" +
           Anchor(feedback + "&show=all", EscapeHtml(user.rating)) + ")";
}

std::string_view SitePages::Location(const EmulatedBuyer& buyer) const {
    return buyer.location.empty() ? forms_.Location() : std::string_view(buyer.location);
}

std::string SitePages::BidsUrl(std::string_view item) const {
    std::string url = urls_.viewBids;
    ReplaceToken(url, "$ITEM_NUM$", item);
    return url;
}

std::string SitePages::BuyerPage(const EmulatedItem& item) const {
    std::string body = "<h2>Buyers of item " + EscapeHtml(item.number) + "</h2>\r\n" + kTableStart +
                       "<tr><th>#</th><th>User ID</th><th>Price</th><th>Qty</th><th>Date</th>"
                       "<th>Location</th></tr>\r\n";
    if (item.buyer) {
        const EmulatedBuyer& buyer = *item.buyer;
        std::string user = UserAnchors(buyer);
        if (!buyer.email.empty()) {
            user += "<br>" + MailAnchor(buyer.email, "(" + EscapeHtml(buyer.email) + ")");
        }
        body += "<tr>\r\n" +
                Cell(
                    "<form method=\"post\" action=\"eBayISAPI.dll\"><input type=\"hidden\" "
                    "name=\"MfcISAPICommand\" value=\"ReturnUserEmail\"></form>1") +
                Cell(user) + Cell(forms_.Price(item.price)) + Cell("1") +
                Cell(forms_.Date(item.end)) +
                Cell("\r\n  " + EscapeHtml(Location(buyer)) + "\r\n") + "</tr>\r\n";
    }
    body += kTableEnd;
    return HtmlDocument("Bidder e-mail addresses", body);
}

std::string SitePages::ItemPage(const EmulatedItem& item) const {
    return HtmlDocument(item.title, "<h2>" + EscapeHtml(item.title) + "</h2>\r\n<p>Item number " +
                                        EscapeHtml(item.number) +
                                        "</p>\r\n<p>Price: " + forms_.Price(item.price) +
                                        "</p>\r\n<p>Ends: " + forms_.Date(item.end) + "</p>\r\n");
}

}  // namespace gb::emulator
