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
    edited.insert(edited.find("d\n"), "+");
    edited.insert(edited.find("z\n"), "+");
    EXPECT_EQ(ends.Restore(edited),
              "<BODY>a\r\nb\r\nc\r\n+d\r\n" + kStart + "\r\nrow" + kEnd + "x\ny\n+z\n</BODY>");

    // With no line ends at all, new ones are plain line feeds.
    SourceLineEnds none;
    EXPECT_EQ(none.Restore(none.Record("<BODY>" + kStart + kEnd + "</BODY>") + "\n"),
              "<BODY>" + kStart + kEnd + "</BODY>\n");
}

// What the user did not change goes back byte for byte, mixed line ends and
// all: each page, the page prefix and the page suffix.
TEST(SourceLineEnds, UntouchedPiecesKeepTheirBytes) {
    const std::string prefix = "<HTML>\r\n<HEAD>\n</HEAD>\r\n<BODY>";
    const std::string header = "\r\nHead\nline\r\n";
    const std::string repeat = kStart + "\n<TR>\r\n<TD>x</TD>\n";
    const std::string footer = kEnd + "\nFoot\r\nend\r\n";
    const std::string suffix = "</BODY>\n</HTML>\r\n";
    SourceLineEnds ends;
    const std::string plain = ends.Record(prefix + header + repeat + footer + suffix);

    std::string edited = plain;
    edited.insert(edited.find("<TD>"), "<TD>y</TD>\n");
    EXPECT_EQ(ends.Restore(edited),
              prefix + header + kStart + "\n<TR>\n<TD>y</TD>\n<TD>x</TD>\n" + footer + suffix);
    edited = plain;
    edited.replace(edited.find("Head"), 4, "Top");
    EXPECT_EQ(ends.Restore(edited), prefix + "\r\nTop\r\nline\r\n" + repeat + footer + suffix);
    edited = plain;
    edited.replace(edited.find("<HEAD>"), 6, "<HEAD><TITLE>t</TITLE>");
    EXPECT_EQ(ends.Restore(edited), "<HTML>\r\n<HEAD><TITLE>t</TITLE>\r\n</HEAD>\r\n<BODY>" +
                                        header + repeat + footer + suffix);
}

// A page edited in the source: every other page goes back byte for byte,
// whatever its line ends, lone CRs among them (the view shows those as line
// feeds too).
TEST(SourceLineEnds, AnEditLeavesTheOtherPagesBytesWhateverTheirLineEnds) {
    for (const std::string body : {"\rHead\rline\r", "\nHead\nline\n", "\r\nHead\rline\n\r\n"}) {
        const std::string page = "<BODY>" + body;
        const std::string rest = kStart + "\n<TR>\n" + kEnd + "\r\nFoot\r\n</BODY>";
        SourceLineEnds ends;
        const std::string plain = ends.Record(page + rest);
        EXPECT_EQ(plain.find('\r'), std::string::npos);
        std::string edited = plain;
        edited.replace(edited.find("Foot"), 4, "Feet");
        EXPECT_EQ(ends.Restore(edited), page + kStart + "\n<TR>\n" + kEnd + "\r\nFeet\r\n</BODY>")
            << body;
        edited = plain;
        edited.replace(edited.find("Head"), 4, "Top");
        const std::string restored = ends.Restore(edited);
        EXPECT_EQ(restored.substr(restored.find(kStart)), rest) << body;
    }
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
