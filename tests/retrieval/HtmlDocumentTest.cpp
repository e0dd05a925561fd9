#include "retrieval/browser/HtmlDocument.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

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

std::string Nested(std::size_t depth, const std::string& inside) {
    std::string page;
    for (std::size_t i = 0; i < depth; ++i) {
        page += "<div>";
    }
    return page + inside;
}

TEST(HtmlDocument, ReadsNestingAsDeepAsRealPagesRefusesDeeperAndSurvivesEmptyInput) {
    const std::string form = "<form><input name=deep></form>";
    const HtmlDocument document = HtmlDocument::Parse(Nested(HtmlDocument::kMaxNesting - 5, form));
    ASSERT_EQ(document.Controls().size(), 1u);
    EXPECT_EQ(document.Controls()[0].form, std::optional<std::size_t>(0));
    EXPECT_THROW(HtmlDocument::Parse(Nested(3000, form)), PageTooDeep);
    EXPECT_TRUE(HtmlDocument::Parse("").Controls().empty());
}

}  // namespace
}  // namespace gb::retrieval
