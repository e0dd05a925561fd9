#pragma once
// gbtool parse-page SITE LISTING [--user ID] [--password PW] [--days N]
//                   [--request N] [--buyer ITEM=FILE]...
//
// Drives a site object of class SITE ("eBayUSA", "eBayUK", ...) over a saved
// listing page exactly as the retrieval worker does: sets the days, user and
// request; SetSummaryPage; then for each row GetBuyerURL, ParseData with the
// buyer page given for the item number that URL names (the empty page when
// none is given) and MoveNextRow; last GoNextPage. Prints one line per fired
// UpdateRow: its 18 arguments separated by tabs, as the Windows-1252 bytes the
// site object fired, with backslash, tab, CR and LF inside a text written as
// \\, \t, \r, \n. A last line "# summary=S_OK more=1" gives the results of
// SetSummaryPage and GoNextPage.
//
// The site object is made through the component runtime from the class's
// ProgID "Bidscope.SITE"; gbtool never links the site library. When the
// class is not registered, gbtool first registers the libBidscope.so of its
// own folder, as the installer would. Defaults: no user, no password, 31
// days, request 1.

#include <span>

// 0 when it ran, whatever the page held; 1 when it could not run (a file or
// the site class is missing); 2 on wrong arguments.
int ParsePage(std::span<char* const> args);
