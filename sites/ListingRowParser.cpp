#include "sites/ListingRowParser.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/TextTokens.h"
#include "sites/BidscopeStrings.h"
#include "sites/TextUtilities.h"

namespace gb::sites {

namespace {

constexpr std::string_view kCell = "<td>";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kAnchor = "<a>";
constexpr std::string_view kAnchorEnd = "</a>";
constexpr std::string_view kBold = "<b>";
constexpr std::string_view kBoldEnd = "</b>";
constexpr std::string_view kFont = "<font>";
constexpr std::string_view kFontEnd = "</font>";

constexpr std::string_view kFixedPriceNoPassword = "Fixed Price No Password";
// Shorter e-mail texts are placeholders, not addresses.
constexpr std::size_t kShortestMail = 4;

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// A title text without line breaks and with its first "&amp;" as "&".
void CleanTitle(std::string& title) {
    std::erase_if(title, IsLineBreak);
    ReplaceToken(title, "&amp;", "&");
}

// The completion mark as a string of its own, moved into the row: assigning
// the constant straight to the row's text makes g++ 12 at -O3 report an
// overlapping copy that cannot happen (-Wrestrict).
std::string CompletionMark(bool complete) {
    return std::string(complete ? kCompleteMark : kNotCompleteMark);
}

// The state of one ParseRow: the cursor over the row's cells, the row being
// filled and the flags the steps hand on to each other.
class RowCutter {
public:
    RowCutter(const SiteProfile& profile, CHtmlParser& cells, SiteRow& row)
        : profile_(profile), cells_(cells), row_(row) {}

    bool Cut() {
        row_.Clear();
        parsed_ = ReadLeadingCells();
        if (!parsed_) {
            bids_ = false;
        }
        ReadTitle();
        row_.aucType = kAuctionType;
        if (bids_) {
            ReadHighBidder();
        } else if (parsed_) {
            ReadSaleState();
        }
        return Finish();
    }

private:
    bool EnterCell() { return cells_.EnterTag(kCell, kCellEnd); }

    // The anchor's text into `text`, when there is an anchor.
    bool ReadAnchor(std::string& text) {
        if (!cells_.EnterTag(kAnchor, kAnchorEnd)) {
            return false;
        }
        text = cells_.GetText();
        cells_.Leave(kAnchorEnd);
        return true;
    }

    bool ReadDateCell(std::string& date) {
        if (!EnterCell()) {
            return false;
        }
        date = cells_.GetText();
        profile_.ParseDate(date);
        cells_.Leave(kCellEnd);
        return true;
    }

    // Item number, start and end dates and price. A price that cannot be read
    // marks the row as taken although it will be cleared.
    bool ReadLeadingCells() {
        if (!EnterCell() || !ReadAnchor(row_.item)) {
            return false;
        }
        cells_.Leave(kCellEnd);
        if (!ReadDateCell(row_.start) || !ReadDateCell(row_.end) || !EnterCell()) {
            return false;
        }
        bids_ = cells_.EnterTag(kBold, kBoldEnd);
        row_.price = cells_.GetText();
        if (!profile_.ParsePrice(row_.price)) {
            takenIfCleared_ = true;
            return false;
        }
        cells_.Leave(kBoldEnd);
        cells_.Leave(kCellEnd);
        return true;
    }

    // The title: the font element's text cut before its first tag unless the
    // title starts with it, followed by ": " and the text of a nested font
    // element.
    void ReadTitle() {
        if (parsed_) {
            parsed_ = EnterCell();
            if (parsed_) {
                cells_.EnterTag(kFont, kFontEnd);
                row_.desc = cells_.GetText();
            }
        }
        CleanTitle(row_.desc);
        if (const std::size_t tag = row_.desc.find('<'); tag != std::string::npos && tag > 0) {
            row_.desc.erase(tag);
        }
        if (cells_.EnterTag(kFont, kFontEnd)) {
            std::string subtitle = cells_.GetText();
            CleanTitle(subtitle);
            if (!subtitle.empty()) {
                row_.desc += ": ";
                row_.desc += subtitle;
            }
            cells_.Leave(kFontEnd);
        }
        if (parsed_) {
            cells_.Leave(kFontEnd);
            cells_.Leave(kCellEnd);
        }
    }

    // An item with bids: high bidder, rating, completion mark and e-mail.
    void ReadHighBidder() {
        if (parsed_) {
            parsed_ = EnterCell() && ReadAnchor(row_.bidder);
        }
        std::replace_if(row_.bidder.begin(), row_.bidder.end(), IsLineBreak, ' ');
        if (row_.bidder.find('@') != std::string::npos) {
            row_.mail = row_.bidder;
        }
        if (parsed_ && ReadAnchor(row_.rating)) {
            std::string ignored;
            ReadAnchor(ignored);
        }
        if (row_.bidder.empty()) {
            row_.bidder = BidscopeStrings().Get(IDS_UNKNOWN);
        }
        const bool complete = cells_.Enter("(*", ")") && cells_.Leave(")");
        row_.complete = CompletionMark(complete);
        cells_.Leave(kCellEnd);
        ReadMailCell();
        parsed_ = true;
    }

    // An item without bids: a Dutch auction, a fixed-price sale or an auction
    // without bids, with the text in parentheses as its completion mark.
    void ReadSaleState() {
        parsed_ = EnterCell();
        if (parsed_) {
            fixedPrice_ = !cells_.Find("#dutch") && cells_.Find("ViewBids");
            parsed_ = cells_.Enter("(", ")");
            if (parsed_) {
                row_.complete = cells_.GetText();
            }
        }
        if (!parsed_) {
            row_.complete = CompletionMark(false);
        } else if (cells_.Leave(")")) {
            cells_.Leave(kCellEnd);
        }
        parsed_ = true;
        if (fixedPrice_) {
            row_.aucType = kFixedPriceType;
            if (!ReadMailCell()) {
                row_.bidder = kFixedPriceNoPassword;
            }
            if (row_.mail.find('@') != std::string::npos) {
                row_.bidder = kFixedPriceType;
            }
        }
    }

    // The e-mail cell of the listing with e-mails, when the row has one.
    bool ReadMailCell() {
        if (!EnterCell()) {
            return false;
        }
        cells_.EnterTag(kAnchor, kAnchorEnd);
        row_.mail = cells_.GetText();
        cells_.Leave(kAnchorEnd);
        cells_.Leave(kCellEnd);
        return true;
    }

    // Insertion fees for rows without a bidder and for fixed-price sales,
    // final-value fees for rows with bids.
    bool Finish() {
        if (row_.mail.size() < kShortestMail) {
            row_.mail.clear();
        }
        const SiteFees& fees = profile_.fees;
        if (row_.bidder.empty() || fixedPrice_) {
            row_.fees = fees.CalcInsertionFee(row_.price);
            row_.storeInsertFee =
                fees.CalcStoreInsertionFee(row_.price, DaysBetween(row_.start, row_.end));
        }
        if (bids_) {
            row_.commission = fees.CalcFinalValueFee(row_.price);
            row_.storeFVFee = fees.CalcStoreFinalValueFee(row_.price);
        }
        if (!parsed_) {
            row_.Clear();
            return takenIfCleared_;
        }
        return true;
    }

    const SiteProfile& profile_;
    CHtmlParser& cells_;
    SiteRow& row_;
    bool parsed_ = false;          // the steps so far found their cells
    bool takenIfCleared_ = false;  // the price could not be read: skip the row
    bool bids_ = false;            // the price is bold
    bool fixedPrice_ = false;      // "ViewBids" without "#dutch"
};

}  // namespace

bool ListingRowParser::ParseRow(CHtmlParser& cells, SiteRow& row) const {
    return RowCutter(profile_, cells, row).Cut();
}

}  // namespace gb::sites
