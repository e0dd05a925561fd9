#include "retrieval/browser/HtmlDocument.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/FileIo.h"
#include "retrieval/browser/HttpClient.h"

namespace gb::retrieval {
namespace {

// The form index of every field, in source order (-1: no form).
std::vector<int> Owners(const HtmlDocument& document) {
    std::vector<int> owners;
    for (const FormControl& control : document.Controls()) {
        owners.push_back(control.form ? static_cast<int>(*control.form) : -1);
    }
    return owners;
}

std::vector<std::string> Names(const HtmlDocument& document) {
    std::vector<std::string> names;
    for (const FormControl& control : document.Controls()) {
        names.push_back(control.name);
    }
    return names;
}

struct OwnershipCase {
    const char* description;
    const char* html;
    std::vector<std::string> names;
    std::vector<int> owners;

    friend void PrintTo(const OwnershipCase& c, std::ostream* out) { *out << c.description; }
};

class FieldOwnership : public testing::TestWithParam<OwnershipCase> {};

TEST_P(FieldOwnership, FieldBelongsToLastOpenFormBeforeIt) {
    const HtmlDocument document = HtmlDocument::Parse(GetParam().html);
    EXPECT_EQ(Names(document), GetParam().names);
    EXPECT_EQ(Owners(document), GetParam().owners);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FieldOwnership,
    testing::Values(
        OwnershipCase{"plain form",
                      "<form><input name=a><input name=b></form><input name=c>",
                      {"a", "b", "c"},
                      {0, 0, -1}},
        OwnershipCase{"form opened inside a table, closed in a cell",
                      "<table><form name=f><tr><td><input name=a></td></tr>"
                      "<tr><td><input name=b></form></td></tr></table><input name=c>",
                      {"a", "b", "c"},
                      {0, 0, -1}},
        OwnershipCase{"form inside a table never closed",
                      "<table><form><tr><td><input name=a></td></tr></table><p><input name=b>",
                      {"a", "b"},
                      {0, 0}},
        OwnershipCase{"field moved out of a table keeps its source order",
                      "<form><table><input name=moved><tr><td><input name=cell></td></tr>"
                      "</table></form>",
                      {"moved", "cell"},
                      {0, 0}},
        OwnershipCase{"two forms one after the other",
                      "<form><input name=a></form><input name=b><form><input name=c></form>",
                      {"a", "b", "c"},
                      {0, -1, 1}},
        OwnershipCase{"an end tag in a script, comment or attribute closes nothing",
                      "<form><script>var s = '</form>';</script><!-- </form> -->"
                      "<input name=a value='</form>'><input name=b></form>",
                      {"a", "b"},
                      {0, 0}},
        OwnershipCase{
            "upper-case end tag", "<FORM><INPUT NAME=a></FORM><INPUT NAME=b>", {"a", "b"}, {0, -1}},
        OwnershipCase{"field before any form",
                      "<input name=a><form><select name=s><option>x</select>"
                      "<textarea name=t></textarea></form>",
                      {"a", "s", "t"},
                      {-1, 0, 0}}),
    [](const testing::TestParamInfo<OwnershipCase>& tested) {
        std::string name;
        for (const char* c = tested.param.description; *c != '\0'; ++c) {
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        }
        return name;
    });

TEST(HtmlDocument, ReadsFieldKindsValuesAndStates) {
    const HtmlDocument document = HtmlDocument::Parse(
        "<form action='/go' method=POST name=f id=fid>"
        "<input type=HIDDEN name=h value='a&amp;b'>"
        "<input name=plain>"
        "<input type=Checkbox name=c1 checked>"
        "<input type=checkbox name=c2 value=2>"
        "<input type=radio name=r value=x checked>"
        "<input type=SUBMIT name=go value=Go>"
        "<input type=image name=img>"
        "<input name=off value=1 disabled>"
        "<textarea name=t>\nline one\n  line two</textarea>"
        "</form>");
    ASSERT_EQ(document.Forms().size(), 1u);
    EXPECT_EQ(document.Forms()[0].name, "f");
    EXPECT_EQ(document.Forms()[0].id, "fid");
    EXPECT_EQ(document.Forms()[0].action, "/go");
    EXPECT_EQ(document.Forms()[0].method, "POST");

    using Kind = FormControl::Kind;
    const auto& controls = document.Controls();
    ASSERT_EQ(controls.size(), 9u);
    const std::vector<Kind> kinds{Kind::Text,     Kind::Text,  Kind::Checkbox,
                                  Kind::Checkbox, Kind::Radio, Kind::Submit,
                                  Kind::Inert,    Kind::Text,  Kind::TextArea};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(controls[i].kind, kinds[i]) << controls[i].name;
    }
    EXPECT_EQ(controls[0].values, std::vector<std::string>{"a&b"});
    EXPECT_EQ(controls[1].values, std::vector<std::string>{""});
    EXPECT_TRUE(controls[2].checked);
    EXPECT_EQ(controls[2].values, std::vector<std::string>{"on"});
    EXPECT_FALSE(controls[3].checked);
    EXPECT_TRUE(controls[4].checked);
    EXPECT_TRUE(controls[7].disabled);
    EXPECT_EQ(controls[8].values, std::vector<std::string>{"line one\n  line two"});
}

TEST(HtmlDocument, SelectSubmitsChosenOptionsOrFirstUsable) {
    const HtmlDocument document = HtmlDocument::Parse(
        "<form>"
        "<select name=chosen><option value=1>One<option value=2 selected>Two</select>"
        "<select name=first><option disabled>No<option>  Plain   text </select>"
        "<select name=multi multiple><option>a<option>b</select>"
        "<select name=both multiple><option selected>a<optgroup><option selected>b"
        "</optgroup></select>"
        "</form>");
    const auto& controls = document.Controls();
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0].values, std::vector<std::string>{"2"});
    EXPECT_EQ(controls[1].values, std::vector<std::string>{"Plain text"});
    EXPECT_TRUE(controls[2].values.empty());
    EXPECT_EQ(controls[3].values, (std::vector<std::string>{"a", "b"}));
}

TEST(HtmlDocument, FindsFieldsByNameOrIdAndIndex) {
    HtmlDocument document = HtmlDocument::Parse(
        "<input name=userid value=first><input id=userid value=second>"
        "<input name=other><input name=userid value=third>");
    ASSERT_NE(document.FindControl("userid", 0), nullptr);
    EXPECT_EQ(document.FindControl("userid", 0)->values[0], "first");
    EXPECT_EQ(document.FindControl("userid", 1)->values[0], "second");
    EXPECT_EQ(document.FindControl("userid", 2)->values[0], "third");
    EXPECT_EQ(document.FindControl("userid", 3), nullptr);
    EXPECT_EQ(document.FindControl("UserID", 0), nullptr);
    EXPECT_EQ(document.FindControl("", 0), nullptr);
}

TEST(HtmlDocument, FindsFormsByNameOrIdAndAnyFormByEmptyName) {
    const HtmlDocument document = HtmlDocument::Parse(
        "<form name=Search></form><form id=AdultCheck></form><form name=AdultCheck></form>");
    EXPECT_EQ(document.FindForm("AdultCheck", 0), std::optional<std::size_t>(1));
    EXPECT_EQ(document.FindForm("AdultCheck", 1), std::optional<std::size_t>(2));
    EXPECT_EQ(document.FindForm("AdultCheck", 2), std::nullopt);
    EXPECT_EQ(document.FindForm("", 0), std::optional<std::size_t>(0));
    EXPECT_EQ(document.FindForm("", 2), std::optional<std::size_t>(2));
    EXPECT_EQ(document.FindForm("Missing", 0), std::nullopt);
}

TEST(HtmlDocument, TakesTheFirstBaseWithAnHref) {
    EXPECT_EQ(HtmlDocument::Parse("<base target=x><base href='/a/'><base href='/b/'>").BaseHref(),
              std::optional<std::string>("/a/"));
    EXPECT_EQ(HtmlDocument::Parse("<p>no base</p>").BaseHref(), std::nullopt);
}

std::string Repeated(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// The reason a page was refused, or nothing when it was read.
std::optional<PageNotRead::Reason> Refusal(std::string_view page,
                                           const PageReader& reader = PageReader::Installed()) {
    try {
        reader.Read(page);
        return std::nullopt;
    } catch (const PageNotRead& refused) {
        return refused.WhyNot();
    }
}

TEST(HtmlDocument, ReadsNestingUpToTheLimitRefusesDeeperAndSurvivesEmptyInput) {
    // The field lies four levels below the divisions: html, body, the
    // divisions, form, input.
    const std::string form = "<form><input name=deep></form>";
    const std::string atTheLimit = Repeated("<div>", HtmlDocument::kMaxNesting - 4) + form;
    const HtmlDocument document = HtmlDocument::Parse(atTheLimit);
    ASSERT_EQ(document.Controls().size(), 1u);
    EXPECT_EQ(document.Controls()[0].form, std::optional<std::size_t>(0));
    EXPECT_EQ(Refusal("<div>" + atTheLimit), PageNotRead::Reason::TooDeep);
    EXPECT_EQ(Refusal(Repeated("<div>", 3000) + form), PageNotRead::Reason::TooDeep);
    EXPECT_TRUE(HtmlDocument::Parse("").Controls().empty());
}

// Fields nested inside <svg> are no fields (a browser submits none of them):
// however deep they nest and however much text they hold, none is taken, and
// the fields of the page around them are read as usual.
TEST(HtmlDocument, TakesNoFieldsFromForeignContent) {
    // 390 fields nested, just within the nesting limit.
    const std::string text(10'300, 'x');
    const std::string nestedFields =
        "<form name=f><input name=before><svg>" + Repeated("<textarea name=t>" + text, 380) +
        Repeated("<select name=s><option selected>" + text, 5) + "</svg><input name=after></form>";
    ASSERT_GT(nestedFields.size(), 3'900'000u);
    const PageReader::Reading reading = PageReader::Installed().Read(nestedFields);
    std::vector<std::string> names;
    for (const FormControl& control : reading.page.controls) {
        names.push_back(control.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"before", "after"}));
    std::cout << "The nested-fields page took the reader " << reading.cpuTime.count() / 1000
              << " ms of processor time\n";
}

// Each option's text is its own: an option inside another, or a field inside
// a select, gives its text to that one alone.
TEST(HtmlDocument, TakesTheTextOfEachNodeForItsNearestFieldOnly) {
    const HtmlDocument document = HtmlDocument::Parse(
        "<select name=outer><template><select name=inner><option selected>in</select></template>"
        "<option>out</select>");
    ASSERT_EQ(document.Controls().size(), 2u);
    EXPECT_EQ(document.Controls()[0].values, (std::vector<std::string>{"out"}));
    EXPECT_EQ(document.Controls()[1].values, (std::vector<std::string>{"in"}));
}

// Fields by the hundred thousand, or their texts by the tens of megabytes,
// are far beyond any real page: such a page is refused as too large.
TEST(HtmlDocument, RefusesPagesOverTheCapsOnFields) {
    EXPECT_EQ(Refusal(Repeated("<input>", reader_limits::kMaxFields + 1)),
              PageNotRead::Reason::TooLarge);
    // Each chosen option of a multiple choice submits its value: ten
    // megabytes of values.
    const std::string value(400'000, 'v');
    EXPECT_EQ(Refusal("<select multiple name=m>" +
                      Repeated("<option selected value=" + value + ">", 25) + "</select>"),
              PageNotRead::Reason::TooLarge);
    EXPECT_EQ(Refusal(std::string(reader_limits::kMaxPageBytes + 1, 'x')),
              PageNotRead::Reason::TooLarge);
}

struct PageCase {
    const char* description;
    std::string page;

    friend void PrintTo(const PageCase& c, std::ostream* out) { *out << c.description; }
};

// Pages real sites send, of the size of their larger pages (some 40 to 80
// kilobytes): they are read with their forms.
class RealPage : public testing::TestWithParam<PageCase> {};

TEST_P(RealPage, IsReadWithItsForm) {
    const std::string form = "<form name=f><input name=last value=v></form>";
    const HtmlDocument document = HtmlDocument::Parse(GetParam().page + form);
    ASSERT_FALSE(document.Controls().empty());
    EXPECT_EQ(document.Controls().back().name, "last");
    EXPECT_EQ(document.Controls().back().form, document.FindForm("f", 0));
}

std::string NestedLayoutTables(int levels, int rows) {
    std::string page = "<html><body bgcolor=white>";
    for (int level = 0; level < levels; ++level) {
        page += "<table width=100% border=0 cellpadding=2><tr><td valign=top><font size=2>";
    }
    page += "<table>" +
            Repeated(
                "<tr bgcolor=#efefef><td><a href=/item?id=1>Item</a><td>$1.00<td>"
                "<img src=/a.gif width=1 height=1><td><font size=1>3d 4h</font></tr>",
                rows) +
            "</table>";
    for (int level = 0; level < levels; ++level) {
        page += "</font></td></tr></table>";
    }
    return page;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RealPage,
    testing::Values(
        PageCase{"NestedLayoutTables", NestedLayoutTables(12, 500)},
        // Old pages leave much open that the parser closes for them.
        PageCase{"UnclosedParagraphsWithFonts", Repeated("<p><font face=Arial>text", 2000)},
        PageCase{"UnclosedListItems", "<ul>" + Repeated("<li><b>item</b>", 2000) + "</ul>"},
        PageCase{
            "UnclosedRowsAndCells",
            "<table>" + Repeated("<tr><td><font size=2>a<td><font size=2>b", 2000) + "</table>"},
        PageCase{"UnclosedOptions",
                 "<select name=s>" + Repeated("<option value=1>one", 2000) + "</select>"},
        PageCase{"UnclosedDefinitions", "<dl>" + Repeated("<dt>term<dd><i>text", 2000) + "</dl>"},
        PageCase{"VoidElements", Repeated("<br><img src=a.gif><input name=x><hr>", 2000)},
        PageCase{"EndTagClosesWhatWasLeftOpenInside", Repeated("<div><span><em>x</div>", 2000)},
        PageCase{"FormattingClosedByEachParagraph",
                 Repeated("<p><b><i>bold <a href=x>link</p>", 1000)},
        // Markup inside text that is no markup.
        PageCase{"TextAreaText",
                 "<form><textarea name=t>" + Repeated("<div>", 500) + "</textarea></form>"},
        PageCase{"TitleText", "<title>" + Repeated("<div>", 500) + "</title>"},
        PageCase{"XmpText", "<xmp>" + Repeated("<div>", 500) + "</xmp>"},
        PageCase{"IframeText", "<iframe>" + Repeated("<div>", 500) + "</iframe>"},
        PageCase{"NoembedText", "<noembed>" + Repeated("<div>", 500) + "</noembed>"},
        PageCase{"NoframesText", "<noframes>" + Repeated("<div>", 500) + "</noframes>"},
        PageCase{"ScriptText", "<script>" + Repeated("if (a<b) x='<div>';", 1000) + "</script>"},
        PageCase{"Comments", "<!--" + Repeated("<div>", 1000) + "-->"}),
    [](const testing::TestParamInfo<PageCase>& tested) { return tested.param.description; });

TEST(HtmlDocument, ReadsEverySiteFixturePage) {
    const std::filesystem::path sites =
        std::filesystem::path(GB_TEST_FIXTURES).parent_path().parent_path() / "sites" / "fixtures";
    int pages = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sites)) {
        if (entry.path().extension() == ".htm") {
            const std::optional<std::string> page = ReadWholeFile(entry.path());
            ASSERT_TRUE(page) << entry.path();
            EXPECT_NO_THROW(HtmlDocument::Parse(*page)) << entry.path();
            ++pages;
        }
    }
    EXPECT_GE(pages, 9);
}

// Dense tables of the largest size a transfer takes, and the largest HTML
// file on the machine cut to that size: each is read, also with every core
// busy (the reader's limits count its own processor time, not the clock's).
std::string DenseTable(std::size_t size) {
    std::string page = "<html><body><form name=f><table>";
    for (int row = 0; page.size() < size - 200; ++row) {
        const std::string n = std::to_string(row);
        page += "<tr bgcolor=#efefef><td><a href=/item?id=" + n + ">Item " + n + "</a><td>$" + n +
                ".00<td><input type=checkbox name=c" + n + "><td><font size=1>3d 4h</font></tr>\n";
    }
    return page + "</table></form>";
}

TEST(HtmlDocument, ReadsLargeRealPages) {
    for (const std::size_t size : {std::size_t{2 * 1024 * 1024}, kMaxPageBytes}) {
        const HtmlDocument document = HtmlDocument::Parse(DenseTable(size));
        EXPECT_GT(document.Controls().size(), 10'000u);
    }
    // The largest HTML file among the machine's documentation, if it has one
    // over two megabytes.
    std::optional<std::filesystem::path> largest;
    std::uintmax_t largestSize = 2 * 1024 * 1024;
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(
             "/usr/share/doc", std::filesystem::directory_options::skip_permission_denied, error);
         !error && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(error)) {
        const std::string extension = entry->path().extension().string();
        if ((extension == ".html" || extension == ".htm") && entry->is_regular_file(error) &&
            entry->file_size(error) > largestSize) {
            largest = entry->path();
            largestSize = entry->file_size(error);
        }
    }
    if (!largest) {
        GTEST_SKIP() << "no HTML file over two megabytes under /usr/share/doc";
    }
    const std::optional<std::string> page = ReadWholeFile(*largest);
    ASSERT_TRUE(page);
    EXPECT_NO_THROW(HtmlDocument::Parse(page->substr(0, kMaxPageBytes))) << *largest;
}

// A reader that crashes, hangs or answers nonsense fails that page alone: the
// next page is read.
class MisbehavingReader : public testing::TestWithParam<const char*> {};

TEST_P(MisbehavingReader, FailsThatPageAlone) {
    const PageReader reader(GB_TEST_PAGE_READER, std::chrono::seconds(2));
    const std::string form = "<form><input name=a value=1></form>";
    try {
        reader.Read(form + "<!--reader-test:" + GetParam() + "-->");
        ADD_FAILURE() << "read";
    } catch (const PageNotRead& refused) {
        EXPECT_EQ(refused.WhyNot(), PageNotRead::Reason::ReaderFailed);
        EXPECT_NE(std::string(refused.what()).find("The page reader failed on this page ("),
                  std::string::npos)
            << refused.what();
    }
    EXPECT_EQ(reader.Read(form).page.controls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Requests, MisbehavingReader, testing::Values("crash", "hang", "garbage"));

TEST(PageReader, SaysWhichSignalOrStatusEndedIt) {
    const PageReader reader(GB_TEST_PAGE_READER);
    try {
        reader.Read("<!--reader-test:crash-->");
        ADD_FAILURE() << "read";
    } catch (const PageNotRead& refused) {
#if defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer reports the crash and ends the reader itself.
        EXPECT_NE(std::string(refused.what()).find("exit status"), std::string::npos)
            << refused.what();
#else
        EXPECT_NE(std::string(refused.what()).find("signal 11, SIGSEGV"), std::string::npos)
            << refused.what();
#endif
    }
}

TEST(PageReader, MissingReaderIsNamed) {
    const std::filesystem::path missing = std::filesystem::path(GB_BIN_DIR) / "NoSuchReader";
    try {
        PageReader(missing).Read("<p>");
        ADD_FAILURE() << "read";
    } catch (const PageNotRead& refused) {
        EXPECT_EQ(refused.WhyNot(), PageNotRead::Reason::ReaderMissing);
        EXPECT_NE(std::string(refused.what()).find(missing.string()), std::string::npos);
    }
}

TEST(PageReader, IsInstalledBesideTheEngine) {
    EXPECT_EQ(PageReader::Installed().Program(),
              std::filesystem::canonical(GB_BIN_DIR) / PageReader::kProgramName);
}

// The reader can open no file, make no socket and start no program.
TEST(PageReader, CannotOpenFilesMakeSocketsOrStartPrograms) {
#ifdef GB_SANITIZED
    GTEST_SKIP() << "the sanitizers' run-times need the system calls the filter refuses";
#else
    const PageForms page = PageReader(GB_TEST_PAGE_READER).Read("<!--reader-test:probe-->").page;
    std::vector<std::pair<std::string, std::string> > tries;
    for (const FormControl& control : page.controls) {
        tries.emplace_back(control.name, control.values.at(0));
    }
    EXPECT_EQ(tries, (std::vector<std::pair<std::string, std::string> >{
                         {"open", "refused"}, {"socket", "refused"}, {"exec", "refused"}}));
#endif
}

// Hostile pages that make the parser build a tree far deeper than any real
// page's, work for minutes, fill the memory, or overrun the stack. Each is
// refused, whatever it makes the parser do.
class HostilePage : public testing::TestWithParam<PageCase> {};

TEST_P(HostilePage, IsRefused) {
    const std::optional<PageNotRead::Reason> refusal = Refusal(GetParam().page);
    ASSERT_TRUE(refusal);
    EXPECT_NE(*refusal, PageNotRead::Reason::ReaderMissing);
}

// Distinct attributes: the parser keeps at most three identical formatting
// elements open.
std::string DistinctBolds(int count) {
    std::string bolds;
    for (int i = 0; i < count; ++i) {
        bolds += "<b id=b" + std::to_string(i) + ">";
    }
    return bolds;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, HostilePage,
    testing::Values(
        // End tags that close nothing the parser keeps open.
        PageCase{"SpanDivSpan", Repeated("<span><div></span>", 100'000)},
        PageCase{"ListItemListEnd", Repeated("<li><ul></li>", 100'000)},
        PageCase{"DivTableCellDivEnd", Repeated("<div><table><tr><td></div>", 80'000)},
        PageCase{"CustomElementDiv", Repeated("<x-a><div></x-a>", 10'000)},
        PageCase{"HeadingTableCell", Repeated("<h1><table><tr><td></h1>", 10'000)},
        PageCase{"ParagraphObject", Repeated("<p><object></p>", 10'000)},
        PageCase{"ParagraphApplet", Repeated("<p><applet></p>", 10'000)},
        PageCase{"ParagraphMarquee", Repeated("<p><marquee></p>", 10'000)},
        PageCase{"FormDiv", Repeated("<form><div></form>", 10'000)},
        PageCase{"OptionDiv", Repeated("<option><div></option>", 10'000)},
        PageCase{"CellDiv", Repeated("<td><div></td>", 10'000)},
        PageCase{"BoldDiv", Repeated("<b><div></b>", 10'000)},
        PageCase{"AnchorDiv", Repeated("<a><div></a>", 10'000)},
        PageCase{"NobrDiv", Repeated("<nobr><div></nobr>", 10'000)},
        // Stray table parts, no end tags at all.
        PageCase{"DivCell", Repeated("<div><td>", 10'000)},
        PageCase{"TableBodyDiv", Repeated("<tbody><div>", 10'000)},
        PageCase{"SpanCellCaption", Repeated("<span><td><caption>", 10'000)},
        // Plainly deep.
        PageCase{"NestedDivisions", Repeated("<div>", 200'000)},
        PageCase{"NestedTables", Repeated("<table><tr><td>", 10'000)},
        PageCase{"DistinctFormattingElements", DistinctBolds(10'000)},
        PageCase{"ListItemsInsideQuotes", "<ul>" + Repeated("<li><blockquote>", 10'000)},
        // Deep, then work that allocates nothing: text that makes the parser
        // look through every open element for each character.
        PageCase{"TextInsideDeepObjects",
                 Repeated("<object>", 100'000) + "<b>" + std::string(3'000'000, 'x')},
        // Deep, then end tags that each make the parser look through all of them.
        PageCase{"StrayEndTagsBelowDeepTree",
                 Repeated("<span>", 20'000) + Repeated("</x>", 900'000)},
        // The parser frees a removed body recursively: deep enough, that
        // overruns the stack inside the parse.
        PageCase{"FramesetAfterDeepBody", Repeated("<q>", kMaxPageBytes / 3 - 10) + "<frameset>"},
        // Shallow, but the formatting elements are reopened for every
        // paragraph until memory runs out.
        PageCase{"FormattingReopenedInEveryParagraph",
                 "<p>" + DistinctBolds(30) + Repeated("</p><p>x", (kMaxPageBytes - 400) / 8)}),
    [](const testing::TestParamInfo<PageCase>& tested) { return tested.param.description; });

}  // namespace
}  // namespace gb::retrieval
