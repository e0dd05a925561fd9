#include "template_editor/core/SourceLineEnds.h"

#include <gtest/gtest.h>

#include <string>

namespace gb::editor {
namespace {

const std::string kStart = "<!--webbot bot=\"PurpleText\" PREVIEW=\"START REPEAT\"-->";
const std::string kEnd = "<!--webbot bot=\"PurpleText\" PREVIEW=\"END REPEAT\"-->";

TEST(SourceLineEnds, EachPartKeepsItsOwnLineEndsThroughAnEdit) {
    const std::string source = "<HTML><BODY>\r\nHead\r\n" + kStart + "\n<TR>\n<TD>x</TD>\n" + kEnd +
                               "\r\nFoot\r\n</BODY></HTML>";
    SourceLineEnds ends;
    const std::string plain = ends.Record(source);
    EXPECT_EQ(plain.find('\r'), std::string::npos);
    EXPECT_EQ(ends.Restore(plain), source);

    // A line added to each part ends as that part's lines do.
    std::string edited = plain;
    edited.insert(edited.find("Foot"), "More\n");
    edited.insert(edited.find("<TD>"), "<TR>\n");
    edited.insert(edited.find("Head"), "Top\n");
    EXPECT_EQ(ends.Restore(edited), "<HTML><BODY>\r\nTop\r\nHead\r\n" + kStart +
                                        "\n<TR>\n<TR>\n<TD>x</TD>\n" + kEnd +
                                        "\r\nMore\r\nFoot\r\n</BODY></HTML>");
}

TEST(SourceLineEnds, APartWithoutLineEndsTakesTheSourcesAndMixedPartsTheirMost) {
    SourceLineEnds ends;
    const std::string plain =
        ends.Record("<BODY>a\r\nb\r\nc\r\nd\n" + kStart + "row" + kEnd + "x\ny\nz\r\n</BODY>");
    std::string edited = plain;
    edited.insert(edited.find("row"), "\n");
    EXPECT_EQ(ends.Restore(edited),
              "<BODY>a\r\nb\r\nc\r\nd\r\n" + kStart + "\r\nrow" + kEnd + "x\ny\nz\n</BODY>");

    // With no line ends at all, new ones are plain line feeds.
    SourceLineEnds none;
    EXPECT_EQ(none.Restore(none.Record("<BODY>" + kStart + kEnd + "</BODY>") + "\n"),
              "<BODY>" + kStart + kEnd + "</BODY>\n");
}

TEST(SourceLineEnds, WithAMarkerGoneItsPartJoinsThePartBefore) {
    SourceLineEnds ends;
    const std::string plain = ends.Record("h\r\n" + kStart + "r\n" + kEnd + "f\n");
    std::string edited = plain;
    edited.erase(edited.find(kStart), kStart.size());
    EXPECT_EQ(ends.Restore(edited), "h\r\nr\r\n" + kEnd + "f\n");
    // A lone lower-case END marker still starts the footer.
    std::string lower = "h\nx\n<!--webbot bot=\"purpletext\" preview=\"end repeat\"-->\nf\n";
    EXPECT_EQ(ends.Restore(lower),
              "h\r\nx\r\n<!--webbot bot=\"purpletext\" preview=\"end repeat\"-->\nf\n");
}

}  // namespace
}  // namespace gb::editor
