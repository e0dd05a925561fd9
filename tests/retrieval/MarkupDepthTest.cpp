#include "retrieval/browser/MarkupDepth.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace gb::retrieval {
namespace {

constexpr std::size_t kLimit = 100;
constexpr std::size_t kWork = 1'000'000;
// Far more repetitions than the limit, so that any piece counted as nesting
// goes over it.
constexpr int kTimes = 1000;

std::string Repeated(const std::string& piece, int times = kTimes) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// Each distinct: the parser keeps at most three identical formatting elements.
std::string DistinctBolds() {
    std::string text;
    for (int i = 0; i < kTimes; ++i) {
        text += "<b id=b" + std::to_string(i) + ">";
    }
    return text;
}

struct DepthCase {
    const char* description;
    std::string page;
    bool deep;

    friend void PrintTo(const DepthCase& c, std::ostream* out) { *out << c.description; }
};

class MarkupDepth : public testing::TestWithParam<DepthCase> {};

TEST_P(MarkupDepth, CountsNestingAsTheParserBuildsIt) {
    EXPECT_EQ(IsTooDeepToParse(GetParam().page, kLimit, kWork), GetParam().deep);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, MarkupDepth,
    testing::Values(
        // Old pages leave much open that the parser closes for them.
        DepthCase{"UnclosedParagraphsWithFonts", Repeated("<p><font face=Arial>text"), false},
        DepthCase{"UnclosedListItems", "<ul>" + Repeated("<li><b>item</b>"), false},
        DepthCase{"UnclosedRowsAndCells",
                  "<table>" + Repeated("<tr><td><font size=2>a<td><font size=2>b"), false},
        DepthCase{"UnclosedOptions", "<select>" + Repeated("<option value=1>one"), false},
        DepthCase{"UnclosedDefinitions", "<dl>" + Repeated("<dt>term<dd><i>text"), false},
        DepthCase{"VoidElements", Repeated("<br><img src=a.gif><input name=x><hr>"), false},
        DepthCase{"ClosedElements",
                  Repeated("<div><span><table><tr><td>x</td></tr></table>"
                           "</span></div>"),
                  false},
        DepthCase{"EndTagClosesWhatWasLeftOpenInside", Repeated("<div><span><em>x</div>"), false},
        DepthCase{"ScriptText", "<script>" + Repeated("if (a<b) x='<div>';") + "</script>", false},
        DepthCase{"StyleText", "<style>" + Repeated("a<b{}") + "</style>", false},
        DepthCase{"Comments", "<!--" + Repeated("<div>") + "-->", false},
        DepthCase{"QuotedAttributeValues", "<a title=\"" + Repeated("<div>") + "\">x</a>", false},
        // Hostile pages nest for real.
        DepthCase{"NestedDivisions", Repeated("<div>"), true},
        DepthCase{"NestedUnknownElements", Repeated("<x-a>"), true},
        DepthCase{"NestedTables", Repeated("<table><tr><td>"), true},
        DepthCase{"DistinctFormattingElements", DistinctBolds(), true},
        DepthCase{"FormattingReopenedInEveryParagraph", "<p>" + DistinctBolds() + "</p><p>x", true},
        DepthCase{"ListItemsInsideQuotes", "<ul>" + Repeated("<li><blockquote>"), true},
        DepthCase{"StrayEndTagsCloseNothing", Repeated("<div></span>"), true},
        // Tricks that would hide the nesting from a careless count.
        DepthCase{"EqualsSignBeforeAnyName", "<a =\"" + Repeated("<div>") + "\">", true},
        DepthCase{"CommentEndedWithBang", "<!-- --!>" + Repeated("<div>") + "-->", true},
        DepthCase{"ScriptInsideForeignContent",
                  "<svg><script>" + Repeated("<g>") + "</script></svg>", true},
        DepthCase{"StyleInsideSelect", "<select><style></select>" + Repeated("<div>") + "</style>",
                  true},
        DepthCase{"VoidNamesInsideForeignContent", "<svg>" + Repeated("<link>"), true},
        DepthCase{"ScriptEndTagWithoutItsEnd",
                  "<script>x</scriptx>" + Repeated("<div>") + "</script>", false}),
    [](const testing::TestParamInfo<DepthCase>& tested) { return tested.param.description; });

TEST(MarkupDepthLimits, CountsUpToTheDepthExactlyAndTalliesTheParsersWork) {
    const auto limit = static_cast<int>(kLimit);
    EXPECT_FALSE(IsTooDeepToParse(Repeated("<div>", limit), kLimit, kWork));
    EXPECT_TRUE(IsTooDeepToParse(Repeated("<div>", limit + 1), kLimit, kWork));
    EXPECT_FALSE(IsTooDeepToParse("", kLimit, kWork));
    EXPECT_FALSE(IsTooDeepToParse("<", kLimit, kWork));
    EXPECT_FALSE(IsTooDeepToParse("<div", kLimit, kWork));

    // Shallow, but every stray end tag makes the parser look through all of
    // the open elements.
    const std::string deepThenStray = Repeated("<span>", limit - 1) + Repeated("</x>", 20000);
    EXPECT_FALSE(IsTooDeepToParse(deepThenStray, kLimit, 100 * kWork));
    EXPECT_TRUE(IsTooDeepToParse(deepThenStray, kLimit, kWork));

    // Distinct formatting elements closed by the paragraph and reopened
    // before every piece of text: the page stays shallow but grows without end.
    std::string bolds;
    for (int i = 0; i < 30; ++i) {
        bolds += "<b id=b" + std::to_string(i) + ">";
    }
    const std::string reopened = "<p>" + bolds + Repeated("</p><p>x", 50000);
    EXPECT_TRUE(IsTooDeepToParse(reopened, kLimit, kWork));
    EXPECT_FALSE(IsTooDeepToParse("<p>" + bolds + Repeated("</p><p>x", 100), kLimit, kWork));
}

}  // namespace
}  // namespace gb::retrieval
