#include "sites/HtmlParser.h"

#include <gtest/gtest.h>

#include <string>

using namespace gb::sites;

namespace {

TEST(HtmlParserFind, MatchesWithoutRegardToCaseAndGivesTheIndexAfterTheMatch) {
    CHtmlParser parser("<a href=\"x?ITEM=123\">");
    EXPECT_EQ(parser.Find("item="), 16u);
    EXPECT_EQ(parser.GetText(), "<a href=\"x?ITEM=123\">") << "without the move flag";
    EXPECT_EQ(parser.Find("item=", true), 16u);
    EXPECT_EQ(parser.GetText(), "123\">");
    EXPECT_FALSE(parser.Find("item="));
}

TEST(HtmlParserFind, CountsOnlyMatchesThatStartBeforeTheWindowEnd) {
    // The entered element's window ends where "</x>" starts.
    CHtmlParser parser("<x>ab cd</x>ef");
    ASSERT_TRUE(parser.Enter("<x>", "</x>"));
    EXPECT_EQ(parser.GetText(), "ab cd");
    EXPECT_EQ(parser.Find("d</X"), 11u) << "starts inside, runs past the window end";
    EXPECT_FALSE(parser.Find("</x>")) << "starts at the window end";
    EXPECT_FALSE(parser.Find("ef"));
}

TEST(HtmlParserEnter, CountsNestedMarkersAndEntersTheWholeOuterPart) {
    CHtmlParser parser("x (a (b) c) (d)");
    ASSERT_TRUE(parser.Enter("(", ")"));
    EXPECT_EQ(parser.GetText(), "a (b) c");
    ASSERT_TRUE(parser.Leave(")"));
    EXPECT_EQ(parser.GetText(), " (d)");

    parser.SetText("[[a [[b]] [[c]] d]] e");
    ASSERT_TRUE(parser.Enter("[[", "]]"));
    EXPECT_EQ(parser.GetText(), "a [[b]] [[c]] d");

    parser.SetText("a|b|c");
    ASSERT_TRUE(parser.Enter("|", "|")) << "the same marker closes at once";
    EXPECT_EQ(parser.GetText(), "b");
}

TEST(HtmlParserEnter, WithoutAMatchingCloseLeavesTheCursorAfterTheOpenMarker) {
    CHtmlParser parser("ab(c(d)e");
    EXPECT_FALSE(parser.Enter("(", ")"));
    EXPECT_EQ(parser.GetText(), "c(d)e");
    EXPECT_FALSE(parser.Leave(")")) << "nothing was pushed";
}

TEST(HtmlParserEnter, FailsWithoutChangeWhenTheOpenMarkerIsAbsent) {
    CHtmlParser parser("abc");
    EXPECT_FALSE(parser.Enter("<td", "</td>"));
    EXPECT_EQ(parser.GetText(), "abc");
}

TEST(HtmlParserEnter, RefusesEmptyMarkersInsteadOfLoopingForEver) {
    CHtmlParser parser("a(b)c");
    EXPECT_FALSE(parser.Enter("", ")"));
    EXPECT_FALSE(parser.Enter("(", ""));
    EXPECT_FALSE(parser.EnterTag("<", ")"));
    EXPECT_FALSE(parser.EnterTag("", ")"));
    EXPECT_EQ(parser.GetText(), "a(b)c");
}

TEST(HtmlParserEnter, FailsWithoutChangeWhenTheStackIsFull) {
    std::string text;
    for (int i = 0; i < CHtmlParser::kMaxDepth; ++i) {
        text += '(';
    }
    text += "core";
    text.append(CHtmlParser::kMaxDepth, ')');
    CHtmlParser parser(text);
    for (int i = 1; i < CHtmlParser::kMaxDepth; ++i) {
        ASSERT_TRUE(parser.Enter("(", ")")) << "entry " << i;
    }
    const std::string before = parser.GetText();
    EXPECT_EQ(before, "(core)");
    EXPECT_FALSE(parser.Enter("(", ")"));
    EXPECT_FALSE(parser.EnterTag("(c", ")"));
    EXPECT_EQ(parser.GetText(), before);
    EXPECT_TRUE(parser.Leave(")"));
}

TEST(HtmlParserEnterTag, SkipsAttributesAndEntersTheOuterCellWithItsNestedCell) {
    CHtmlParser parser(
        "<tr><TD class=\"x\" title=\"<b>\">out<table><td a=1>in</td></table>er</TD>"
        "<td>next</td></tr>");
    ASSERT_TRUE(parser.EnterTag("<td>", "</td>"));
    EXPECT_EQ(parser.GetText(), "out<table><td a=1>in</td></table>er");
    ASSERT_TRUE(parser.Leave("</td>"));
    ASSERT_TRUE(parser.EnterTag("<td>", "</td>"));
    EXPECT_EQ(parser.GetText(), "next");
}

TEST(HtmlParserEnterTag, FailsWhenTheTagIsAbsentOrUnclosed) {
    CHtmlParser parser("<tr><td>open only</tr>");
    EXPECT_FALSE(parser.EnterTag("<font>", "</font>"));
    EXPECT_EQ(parser.GetText(), "<tr><td>open only</tr>");
    EXPECT_FALSE(parser.EnterTag("<td>", "</td>"));
}

TEST(HtmlParserLeave, WithTheWrongCloseMarkerChangesNothing) {
    CHtmlParser parser("<tr><td>a</td></tr>");
    ASSERT_TRUE(parser.EnterTag("<tr>", "</tr>"));
    EXPECT_FALSE(parser.Leave("</td>"));
    EXPECT_EQ(parser.GetText(), "<td>a</td>");
    EXPECT_TRUE(parser.Leave("</TR>")) << "close markers compare without regard to case";
    EXPECT_EQ(parser.GetText(), "");
    EXPECT_FALSE(parser.Leave("</tr>")) << "the base entry is never left";
}

TEST(HtmlParserLeave, WidensTheWindowToJustAfterTheEnclosingCloseMarker) {
    CHtmlParser parser("<tr><td>a</td>b</tr>c");
    ASSERT_TRUE(parser.EnterTag("<tr>", "</tr>"));
    ASSERT_TRUE(parser.EnterTag("<td>", "</td>"));
    ASSERT_TRUE(parser.Leave("</td>"));
    EXPECT_EQ(parser.GetText(), "b</tr>");
}

TEST(HtmlParserSetText, EmptyTextGivesNothingAndResetsAnEnteredCursor) {
    CHtmlParser parser("<b>x</b>");
    ASSERT_TRUE(parser.EnterTag("<b>", "</b>"));
    parser.SetText("");
    EXPECT_EQ(parser.GetText(), "");
    EXPECT_FALSE(parser.Enter("(", ")"));
    EXPECT_FALSE(parser.EnterTag("<b>", "</b>"));
    EXPECT_FALSE(parser.Leave("</b>"));
    EXPECT_FALSE(CHtmlParser().Find("x"));
}

}  // namespace
