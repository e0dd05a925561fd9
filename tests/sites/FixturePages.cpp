#include "FixturePages.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "platform/TextTokens.h"

using namespace gb::sites;

namespace gb::testing {

namespace {

// How one site writes the fixtures' dates and prices, and where the buyer lives.
struct SiteForms {
    SiteClass site;
    // 14:22:05 on 15 March, 22 March, 15 January and 16 March 2003.
    std::string_view march15;
    std::string_view march22;
    std::string_view january15;
    std::string_view march16;
    // 1234.50, 12.50, 600.00, 9.99, 25.00, 100.00, 0.99, 50.00, 250.00, 2400.00
    std::array<std::string_view, 10> prices;
    std::string_view location;  // two lines
};

enum PriceIndex {
    k1234_50,
    k12_50,
    k600,
    k9_99,
    k25,
    k100,
    k0_99,
    k50,
    k250,
    k2400,
};

// clang-format off
constexpr SiteForms kForms[] = {
    {SiteClass::eBayATR, "15.03.03 14:22:05 MEZ", "22.03.03 14:22:05 MEZ", "15.01.03 14:22:05 MEZ", "16.03.03 14:22:05 MEZ",
     {"EUR 1.234,50", "EUR 12,50", "EUR&nbsp;600,00", "EUR 9,99", "EUR 25,00", "EUR 100,00", "EUR&nbsp;0,99", "EUR 50,00", "EUR 250,00", "EUR 2.400,00"},
     "Wien\r\n  \xD6sterreich"},
    {SiteClass::eBayAUS, "15-Mar-03 14:22:05 AEDT", "22-Mar-03 14:22:05 AEDT", "15-Jan-03 14:22:05 AEDT", "16-Mar-03 14:22:05 AEDT",
     {"AU $1,234.50", "$12.50", "AU&nbsp;$600.00", "AU $9.99", "$25.00", "AU $100.00", "$0.99", "AU $50.00", "AU $250.00", "AU $2,400.00"},
     "Perth, WA\r\n  Australia"},
    {SiteClass::eBayCAN, "15/03/2003 14:22:05 EST", "22/03/2003 14:22:05 EST", "15/01/2003 14:22:05 EST", "16/03/2003 14:22:05 EST",
     {"C $1,234.50", "$12.50", "C&nbsp;$600.00", "C $9.99", "$25.00", "C $100.00", "C $0.99", "$50.00", "C $250.00", "C&nbsp;$2,400.00"},
     "Qu\xE9" "bec, QC\r\n  Canada"},
    {SiteClass::eBayFRN, "15-mars-03 14:22:05 CET", "22-mars-03 14:22:05 CET", "15/01/2003 14:22:05 CET", "16-mars-03 14:22:05 CET",
     {"1 234,50 EUR", "12,50 \x80", "600,00&nbsp;EUR", "9,99 EUR", "25,00 EUR", "100,00 EUR", "0,99 \x80", "50,00 EUR", "250,00 EUR", "2 400,00 EUR"},
     "Orl\xE9" "ans\r\n  France"},
    {SiteClass::eBayGER, "15.03.03 14:22:05 MEZ", "22.03.03 14:22:05 MEZ", "15.01.03 14:22:05 MEZ", "16.03.03 14:22:05 MEZ",
     {"EUR 1.234,50", "EUR&nbsp;12,50", "600,00 \x80", "EUR 9,99", "EUR\xA0" "25,00", "EUR 100,00", "EUR 0,99", "50,00 \x80", "EUR 250,00", "EUR 2.400,00"},
     "M\xFC" "nchen\r\n  Deutschland"},
    {SiteClass::eBayNET, "15-mrt-03 14:22:05 CET", "22-mrt-03 14:22:05 CET", "15-01-03 14:22:05 CET", "16-mrt-03 14:22:05 CET",
     {"EUR 1.234,50", "\x80 12,50", "EUR&nbsp;600,00", "EUR 9,99", "EUR\xA0" "25,00", "EUR 100,00", "\x80 0,99", "EUR 50,00", "EUR 250,00", "EUR 2.400,00"},
     "Utrecht\r\n  Nederland"},
    {SiteClass::eBayNZ, "15-Mar-03 14:22:05 NZDT", "22-Mar-03 14:22:05 NZDT", "15-Jan-03 14:22:05 NZDT", "16-Mar-03 14:22:05 NZDT",
     {"US $1,234.50", "US $12.50", "US&nbsp;$600.00", "US $9.99", "US $25.00", "US $100.00", "US $0.99", "US $50.00", "US $250.00", "US $2,400.00"},
     "Auckland\r\n  New Zealand"},
    {SiteClass::eBayUK, "15-Mar-03 14:22:05 GMT", "22-Mar-03 14:22:05 GMT", "15-Jan-03 14:22:05 GMT", "16-Mar-03 14:22:05 GMT",
     {"&#163;1,234.50", "\xA3" "12.50", "UK &#163;600.00", "&#163;9.99", "\xA3" "25.00", "UK&nbsp;\xA3" "100.00", "&#163;0.99", "\xA3" "50.00", "&#163;250.00", "UK &#163;2,400.00"},
     "Leeds\r\n  United Kingdom"},
    {SiteClass::eBayUSA, "Mar-15-03 14:22:05 PST", "Mar-22-03 14:22:05 PST", "Jan-15-03 14:22:05 PST", "Mar-16-03 14:22:05 PST",
     {"US $1,234.50", "$12.50", "US&nbsp;$600.00", "$9.99", "US $25.00", "$100.00", "$0.99", "US $50.00", "$250.00", "US $2,400.00"},
     "Springfield, IL\r\n  United States"},
};
// clang-format on

const SiteForms& FormsOf(SiteClass site) {
    for (const SiteForms& forms : kForms) {
        if (forms.site == site) {
            return forms;
        }
    }
    throw std::logic_error("no fixture forms for the site");
}

// Links as the site writes them, with "&" as "&amp;".
std::string Html(std::string url) {
    for (std::size_t at = url.find('&'); at != std::string::npos; at = url.find('&', at + 5)) {
        url.replace(at, 1, "&amp;");
    }
    return url;
}

class PageWriter {
public:
    explicit PageWriter(SiteClass site)
        : profile_(SiteProfileOf(site)), forms_(FormsOf(site)), urls_(profile_.ResolveUrls({})) {}

    std::string ListingWithEmails() const {
        std::string page = PageStart("Items listed by seller1 with bidder e-mail addresses");
        // The link to the next page stands before the first item row.
        page += "<tr><td colspan=\"7\">Page 1 of 2 <a href=\"" +
                Html(urls_.ListingUrl("seller1", true, 2, 31)) + "\">&gt;&gt;</a></td></tr>\r\n";
        page += ColumnHeads(true);
        page += Row("3000000101", forms_.march15, forms_.march22, Bold(k1234_50),
                    Font("Caf\xE9 table &amp; chairs <font color=\"#ff0000\">NEW</font>"),
                    HighBidder("kporter", "128") +
                        " <a href=\"http://pages.example/me.html\"><img src=\"me.gif\"></a> (*)",
                    Mail("kim.porter@example.net"));
        // The bidder's anchor is empty, the sale not complete, and the e-mail
        // cell holds no more than a placeholder.
        page +=
            Row("3000000102", forms_.march15, forms_.march22, Bold(k12_50),
                Font("Salt &amp; pepper \r\nshakers &amp; tray"), HighBidder("", "0"), Mail("a@b"));
        // A price that cannot be read skips the row without ending the page.
        page += Row("3000000103", forms_.march15, forms_.march22, "<b>see description</b>",
                    Font("Mystery box"), HighBidder("zed", "1") + " (*)", Mail("zed@example.com"));
        // A bidder shown by address; the e-mail cell still wins.
        page += Row("3000000104", forms_.march15, forms_.march22, Bold(k600),
                    Font("Vintage <i>brass</i> lamp"),
                    HighBidder("carol@example.com", "35") + " (*)", Mail("carol.home@example.com"));
        page += Row("3000000105", forms_.march15, forms_.march22, Plain(k9_99),
                    Font("Drill bits\t1/4\\3/8 set"),
                    Anchor(Html(BidsUrl("3000000105")) + "#dutch", "ViewBids") + " (12 left)",
                    "&nbsp;");
        // A complete fixed-price sale whose buyer page names the buyer.
        page += Row(
            kBuyerPageItem, forms_.january15, forms_.march16, Plain(k25), Font("Oak rocking chair"),
            Anchor(Html(BidsUrl(kBuyerPageItem)), "Purchases") + " (*)", Mail("frank@example.org"));
        // Without parentheses the e-mail cell is out of reach.
        page +=
            Row("3000000107", forms_.march15, forms_.march22, Plain(k100), Font("Garden hose reel"),
                Anchor(Html(BidsUrl("3000000107")), "Purchases"), Mail("gina@example.org"));
        page += Row("3000000108", forms_.march15, "Ended", Plain(k0_99), Font("<3 hearts pendant"),
                    "&nbsp;", "&nbsp;");
        page += "<tr><td colspan=\"7\">Items 1 - 8</td></tr>\r\n";
        return page + PageEnd();
    }

    std::string PublicListing() const {
        std::string page = PageStart("Items listed by seller1");
        page += ColumnHeads(false);
        page += Row("3000000201", forms_.march15, forms_.march22, Bold(k50), Font("Garden gnome"),
                    HighBidder("dana@example.com", "12") + " (*)", std::nullopt);
        page += Row("3000000202", forms_.march15, forms_.march22, Plain(k250), Font("Oak bookcase"),
                    Anchor(Html(BidsUrl("3000000202")), "Purchases") + " (*)", std::nullopt);
        page += Row("3000000203", forms_.march15, forms_.march22, "Best offer", Font("Sofa"),
                    "&nbsp;", std::nullopt);
        page += Row("3000000204", forms_.march15, forms_.march22, Bold(k2400), Font("Grand piano"),
                    HighBidder("olaf_k", "3", "\r\nolaf_k\r\n"), std::nullopt);
        // A next-page link after the first item row is not looked for.
        page += "<tr><td colspan=\"6\"><a href=\"" +
                Html(urls_.ListingUrl("seller1", false, 2, 31)) + "\">&gt;&gt;</a></td></tr>\r\n";
        return page + PageEnd();
    }

    std::string BuyerPage() const {
        std::string page = PageStart("Bidder e-mail addresses");
        page +=
            "<tr><th>#</th><th>User ID</th><th>Price</th><th>Qty</th><th>Date</th>"
            "<th>Location</th></tr>\r\n";
        page += BuyerRow("frank_b", "7", "frank.b@example.org", forms_.location);
        // Only the first buyer row counts.
        page += BuyerRow("someone_else", "99", "else@example.org", "Elsewhere");
        return page + PageEnd();
    }

private:
    static std::string PageStart(std::string_view title) {
        return "<html>\r\n<head><title>" + std::string(title) +
               "</title></head>\r\n<body>\r\n<table border=\"1\" cellpadding=\"2\">\r\n";
    }
    static std::string PageEnd() { return "</table>\r\n</body>\r\n</html>\r\n"; }

    static std::string ColumnHeads(bool withEmails) {
        return std::string(
                   "<tr><th>Item#</th><th>Start</th><th>End</th><th>Price</th>"
                   "<th>Title</th><th>High Bidder</th>") +
               (withEmails ? "<th>E-mail</th>" : "") + "</tr>\r\n";
    }

    static std::string Anchor(const std::string& href, std::string_view text) {
        return "<a href=\"" + href + "\">" + std::string(text) + "</a>";
    }
    static std::string Font(std::string_view title) {
        return "<font size=\"2\">" + std::string(title) + "</font>";
    }
    static std::string Mail(std::string_view address) {
        return Anchor("mailto:" + std::string(address), address);
    }

    std::string Bold(PriceIndex price) const { return "<b>" + Plain(price) + "</b>"; }
    std::string Plain(PriceIndex price) const { return std::string(forms_.prices[price]); }

    std::string FeedbackUrl(std::string_view user) const {
        return "http://" + ResolveHost(profile_.servers, SiteServer::Feedback, {}) +
               "/ws/eBayISAPI.dll?ViewFeedback&userid=" + std::string(user);
    }
    std::string BidsUrl(std::string_view item) const {
        std::string url = urls_.viewBids;
        ReplaceToken(url, "$ITEM_NUM$", item);
        return url;
    }

    // The high bidder's anchor, showing the user ID unless told otherwise, and
    // the rating anchor.
    std::string HighBidder(std::string_view user, std::string_view rating,
                           std::optional<std::string_view> shown = std::nullopt) const {
        return Anchor(Html(FeedbackUrl(user)), shown.value_or(user)) + " (" +
               Anchor(Html(FeedbackUrl(user) + "&show=all"), rating) + ")";
    }

    std::string Row(std::string_view item, std::string_view start, std::string_view end,
                    const std::string& price, const std::string& title, const std::string& sale,
                    const std::optional<std::string>& mail) const {
        std::string row = "<tr bgcolor=\"#ffffff\">\r\n";
        const auto cell = [&](std::string_view content, std::string_view attributes = {}) {
            row += "<td valign=\"top\"" + std::string(attributes) + ">" + std::string(content) +
                   "</td>\r\n";
        };
        cell(Anchor(Html(urls_.ItemUrl(item)), item));
        cell(start);
        cell(end);
        cell(price, " align=\"right\"");
        cell(title);
        cell(sale);
        if (mail) {
            cell(*mail);
        }
        return row + "</tr>\r\n";
    }

    std::string BuyerRow(std::string_view buyer, std::string_view rating, std::string_view mail,
                         std::string_view location) const {
        return "<tr>\r\n"
               "<td><form method=\"post\" action=\"eBayISAPI.dll\"><input type=\"hidden\" "
               "name=\"MfcISAPICommand\" value=\"ReturnUserEmail\"></form>1</td>\r\n"
               "<td>" +
               HighBidder(buyer, rating) + "<br>" +
               Anchor("mailto:" + std::string(mail), "(" + std::string(mail) + ")") +
               "</td>\r\n<td>" + Plain(k25) + "</td>\r\n<td>1</td>\r\n<td>" +
               std::string(forms_.march16) + "</td>\r\n<td>\r\n  " + std::string(location) +
               "\r\n</td>\r\n</tr>\r\n";
    }

    const SiteProfile& profile_;
    const SiteForms& forms_;
    SiteUrls urls_;
};

}  // namespace

std::string FixtureFolder(SiteClass site) {
    return std::string(SiteProfileOf(site).className);
}

std::vector<FixturePage> FixturePagesOf(SiteClass site) {
    const PageWriter writer(site);
    return {
        {kListingWithEmailsFile, writer.ListingWithEmails()},
        {kPublicListingFile, writer.PublicListing()},
        {kBuyerPageFile, writer.BuyerPage()},
    };
}

}  // namespace gb::testing
