#include <gtest/gtest.h>

#include <string>

#include "FakePrompts.h"
#include "platform/Settings.h"
#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/PageBody.h"
#include "template_editor/core/TemplateDoc.h"

namespace gb::editor {
namespace {

const std::string kPrefix = "<HTML><HEAD><TITLE>t</TITLE></HEAD><body bgcolor=\"#FFFFFF\">";
const std::string kSuffix = "</Body></HTML>";
const std::string kStart(EditorStrings().Get(string_id::StartMarker));
const std::string kEnd(EditorStrings().Get(string_id::EndMarker));
// A body holding both marker texts inside attribute values, which are not markers.
const std::string kMarkersInAttributes =
    "<img alt='" + kStart + "'><a title='" + kEnd + "' href=\"x\">[Buyer_ID]</a>";

std::string Page(const std::string& body) {
    return kPrefix + body + kSuffix;
}

class TemplateSections : public ::testing::Test {
protected:
    FakePrompts prompts_;
    gb::Settings settings_{std::filesystem::path("/nonexistent/user.settings")};
    CTemplateDoc doc_{prompts_, settings_, "/nonexistent"};
};

TEST(FindNoCaseTest, GivesThePositionPastTheFirstMatchIgnoringCase) {
    struct Case {
        const char* needle;
        const char* text;
        int start;
        int expected;
    };
    const Case cases[] = {
        {"<BODY", "<html><body>", 0, 11},
        {"<BODY", "<html><BoDy>", 6, 11},
        {"<BODY", "<html><body>", 7, -1},
        {">", "<a><b>", 3, 6},
        {"<BODY", "<html><body>", -1, -1},
        {"<BODY", "<html>", 6, -1},
        {"</BODY>", "", 0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindNoCase(c.needle, c.text, c.start), c.expected)
            << c.needle << " in " << c.text;
    }
}

TEST(FindMarkerTest, SkipsMarkerTextInsideTagsAndComments) {
    EXPECT_EQ(FindMarker("ab" + kStart, kStart), 2u);
    EXPECT_EQ(FindMarker(kMarkersInAttributes, kStart), std::string::npos);
    EXPECT_EQ(FindMarker("<!-- old " + kEnd, kEnd), std::string::npos);
    EXPECT_EQ(FindMarker("<p class='a>b'>" + kStart, kStart), 15u);
}

TEST_F(TemplateSections, SplitsLowerCaseBodyTagsKeepingTheOpeningTagInThePrefix) {
    std::string page = "<html><BODY bgcolor=\"#FFFFFF\" text=black>hello</body></html>";
    ASSERT_TRUE(doc_.SplitBody(page, true));
    EXPECT_EQ(doc_.GetPagePrefix(), "<html><BODY bgcolor=\"#FFFFFF\" text=black>");
    EXPECT_EQ(page, "hello");
    EXPECT_EQ(doc_.GetPageSuffix(), "</body></html>");
    // An empty header and footer get the bare page; the repeat never does.
    EXPECT_EQ(doc_.GetTemplate().GetHeader(), doc_.GetPagePrefix() + doc_.GetPageSuffix());
    EXPECT_EQ(doc_.GetTemplate().GetFooter(), doc_.GetPagePrefix() + doc_.GetPageSuffix());
    EXPECT_EQ(doc_.GetTemplate().GetRepeat(), "");
}

TEST_F(TemplateSections, APageWithoutBodyTagsIsNotSplitAndNotStored) {
    for (const std::string page : {"<html>no body</html>", "<html><body", "<body>open only"}) {
        std::string copy = page;
        EXPECT_FALSE(doc_.SplitBody(copy, true)) << page;
        EXPECT_EQ(copy, page);
        EXPECT_FALSE(doc_.StoreSection(page, section::Repeat)) << page;
    }
    EXPECT_EQ(doc_.GetTemplate().GetHeader(), "");
    EXPECT_EQ(doc_.GetPagePrefix(), "");
}

TEST_F(TemplateSections, EachSectionStoredReadsBackAsItsBody) {
    for (const std::string& body :
         {std::string("<p>[Description]</p>"), std::string(), kMarkersInAttributes}) {
        for (int section : {section::Header, section::Repeat, section::Footer}) {
            ASSERT_TRUE(doc_.StoreSection(Page(body), section));
            std::string out = "unchanged";
            ASSERT_TRUE(doc_.GetSectionHTML(out, section));
            EXPECT_EQ(out, body) << "section " << section;
        }
        EXPECT_EQ(doc_.GetTemplate().GetRepeat(), Page(body));
    }
    std::string out = "unchanged";
    EXPECT_FALSE(doc_.GetSectionHTML(out, section::Source));
    EXPECT_EQ(out, "unchanged");
}

TEST_F(TemplateSections, TheSourceRoundTripsEvenWithMarkerTextInAttributes) {
    ASSERT_TRUE(doc_.StoreSection(Page("<h1>" + kMarkersInAttributes + "</h1>"), section::Header));
    ASSERT_TRUE(doc_.StoreSection(Page(kMarkersInAttributes), section::Repeat));
    ASSERT_TRUE(doc_.StoreSection(Page("<i>" + kMarkersInAttributes + "</i>"), section::Footer));
    const gb::itemdb::CTDocText before = doc_.GetTemplate();

    const std::string source = doc_.GetSourceHTML();
    EXPECT_EQ(source, kPrefix + "<h1>" + kMarkersInAttributes + "</h1>" + kStart +
                          kMarkersInAttributes + kEnd + "<i>" + kMarkersInAttributes + "</i>" +
                          kSuffix);
    ASSERT_TRUE(doc_.StoreSection(source, section::Source));
    EXPECT_TRUE(doc_.GetTemplate().IsEqual(before));
    EXPECT_EQ(doc_.GetSourceHTML(), source);
}

TEST_F(TemplateSections, ASourceWithoutMarkersIsAllHeader) {
    ASSERT_TRUE(doc_.StoreSection(Page("<p>r</p>"), section::Repeat));
    ASSERT_TRUE(doc_.StoreSection(Page("everything"), section::Source));
    EXPECT_EQ(doc_.GetTemplate().GetHeader(), Page("everything"));
    EXPECT_EQ(doc_.GetTemplate().GetRepeat(), kPrefix + kSuffix);
    EXPECT_EQ(doc_.GetTemplate().GetFooter(), kPrefix + kSuffix);
}

TEST_F(TemplateSections, AnEndMarkerBeforeTheStartGivesAnEmptyRepeat) {
    ASSERT_TRUE(doc_.StoreSection(Page("h" + kEnd + "x" + kStart + "f"), section::Source));
    EXPECT_EQ(doc_.GetTemplate().GetHeader(), Page("h" + kEnd + "x"));
    EXPECT_EQ(doc_.GetTemplate().GetRepeat(), kPrefix + kSuffix);
    EXPECT_EQ(doc_.GetTemplate().GetFooter(), Page("x" + kStart + "f"));
}

TEST_F(TemplateSections, ASourceWithOneMarkerStoresNothing) {
    ASSERT_TRUE(doc_.StoreSection(Page("h" + kStart + "r" + kEnd + "f"), section::Source));
    const gb::itemdb::CTDocText before = doc_.GetTemplate();
    const std::string otherPrefix = "<html><body class=\"new\">";
    for (const std::string& marker : {kStart, kEnd}) {
        EXPECT_FALSE(doc_.StoreSection(otherPrefix + "new header" + marker + "rest</body>",
                                       section::Source));
        EXPECT_TRUE(doc_.GetTemplate().IsEqual(before));
        EXPECT_EQ(doc_.GetPagePrefix(), kPrefix);
        EXPECT_EQ(doc_.GetPageSuffix(), kSuffix);
    }
}

TEST_F(TemplateSections, AHeaderEditedInTheSourceRenewsThePrefixForEverySection) {
    ASSERT_TRUE(doc_.StoreSection(Page("h"), section::Header));
    const std::string newPrefix = "<html><body bgcolor=red>";
    ASSERT_TRUE(
        doc_.StoreSection(newPrefix + "h2" + kStart + "r" + kEnd + "f</body>", section::Source));
    EXPECT_EQ(doc_.GetPagePrefix(), newPrefix);
    // A repeat page stored afterwards takes the renewed prefix, not its own.
    ASSERT_TRUE(doc_.StoreSection(Page("r2"), section::Repeat));
    EXPECT_EQ(doc_.GetTemplate().GetRepeat(), newPrefix + "r2</body>");
}

TEST_F(TemplateSections, TheSubjectIsKeptOnlyForEmailTemplates) {
    doc_.SetKindAndSubject(gb::itemdb::CTDocText::Report, "Your [Description]");
    EXPECT_EQ(doc_.GetTemplate().GetSubject(), "");
    doc_.SetKindAndSubject(gb::itemdb::CTDocText::Email, "Your [Description]");
    EXPECT_EQ(doc_.GetTemplate().GetSubject(), "Your [Description]");
}

}  // namespace
}  // namespace gb::editor
