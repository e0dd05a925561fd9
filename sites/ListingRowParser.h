#pragma once
// Cuts one row of a seller's listing page into the row texts and computes the
// fees the site charges for it. The cells of an item row, in order: the item
// number in an anchor; start date; end date; price, bold when the item has
// bids; title in a font element, optionally with a nested one; then either the
// high bidder's anchor, rating anchor and completion mark "(*)", or for an item
// without bids a cell that may hold "#dutch" or "ViewBids" and a text in
// parentheses; last the buyer's e-mail address (only on the listing with
// e-mails).

#include "sites/HtmlParser.h"
#include "sites/SiteProfile.h"
#include "sites/SiteRow.h"

namespace gb::sites {

class ListingRowParser {
public:
    explicit ListingRowParser(const SiteProfile& profile) : profile_(profile) {}

    // `cells` holds the text inside one <tr> element. Fills `row` and returns
    // true when the row was taken; a row whose price cannot be read is taken
    // but cleared, so it is skipped without ending the page. False, with the
    // row cleared, when it is not an item row.
    bool ParseRow(CHtmlParser& cells, SiteRow& row) const;

private:
    const SiteProfile& profile_;
};

}  // namespace gb::sites
