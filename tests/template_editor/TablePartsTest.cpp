#include <gtest/gtest.h>

#include <string_view>

#include "template_editor/core/TableParts.h"

namespace gb::editor {
namespace {

struct Case {
    std::string_view body;
    bool stray;
};

class TableParts : public ::testing::TestWithParam<Case> {};

TEST_P(TableParts, FindsTablePartsTheDesignViewWouldDrop) {
    EXPECT_EQ(HasStrayTablePart(GetParam().body), GetParam().stray) << GetParam().body;
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, TableParts,
    ::testing::Values(Case{"<P>Dear [Buyer_ID],</P>", false},
                      Case{"<TABLE class=list><TR><TD>[Auction_ID]</TD></TR></TABLE>\r\n", false},
                      Case{"<table><tr><td><table><tr><td>x</td></tr></table></td></tr></table>",
                           false},
                      // A row of a table that the header opens and the footer closes.
                      Case{"<TR><TD>[Auction_ID]</TD></TR>\r\n", true},
                      Case{"  <td>[Max_Bid]</td>", true}, Case{"text</TD><TD>more", true},
                      Case{"<TBODY>", true}, Case{"<TABLE>\r\n", true},
                      Case{"</TABLE><P>end</P>", true},
                      // Names that only start like a table part, and tags in comments.
                      Case{"<TT>fixed</TT><THIRD>", false}, Case{"<!-- <TR> --><P>x</P>", false},
                      Case{"<P>x</P><!-- <TR>", false}));

}  // namespace
}  // namespace gb::editor
