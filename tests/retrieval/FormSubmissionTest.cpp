#include "retrieval/browser/FormSubmission.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gb::retrieval {
namespace {

constexpr char kPage[] = "http://sign.example/ws/page.dll?SignIn&x=1#top";

struct EncodeCase {
    FormSubmission::Field field;
    const char* expected;

    friend void PrintTo(const EncodeCase& c, std::ostream* out) { *out << c.expected; }
};

class UrlEncoding : public testing::TestWithParam<EncodeCase> {};

TEST_P(UrlEncoding, EncodesLikeABrowserForm) {
    EXPECT_EQ(FormSubmission::UrlEncode({GetParam().field}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, UrlEncoding,
                         testing::Values(EncodeCase{{"a", "b"}, "a=b"},
                                         EncodeCase{{"a b", "c d"}, "a+b=c+d"},
                                         EncodeCase{{"k", "*-._"}, "k=*-._"},
                                         EncodeCase{{"k", "~!'()"}, "k=%7E%21%27%28%29"},
                                         EncodeCase{{"k", "&=+%/?#"}, "k=%26%3D%2B%25%2F%3F%23"},
                                         EncodeCase{{"k", "\xF6\r\n"}, "k=%F6%0D%0A"},
                                         EncodeCase{{"", ""}, "="}));

TEST(FormSubmission, JoinsPairsWithAmpersands) {
    EXPECT_EQ(FormSubmission::UrlEncode({{"a", "1"}, {"b", "2"}, {"a", "3"}}), "a=1&b=2&a=3");
    EXPECT_EQ(FormSubmission::UrlEncode({}), "");
}

TEST(FormSubmission, SendsOnlySuccessfulFieldsAndTheClickedButton) {
    const HtmlDocument document = HtmlDocument::Parse(
        "<input name=outside value=x>"
        "<form method=post>"
        "<input type=hidden name=h value=1>"
        "<input value=unnamed>"
        "<input name=off value=2 disabled>"
        "<input type=checkbox name=yes checked><input type=checkbox name=no value=3>"
        "<input type=radio name=r value=a><input type=radio name=r value=b checked>"
        "<input type=reset name=reset value=R><input type=button name=btn value=B>"
        "<input type=submit name=first value=One><input type=submit name=second value=Two>"
        "<select name=s multiple><option selected>x<option selected>y</select>"
        "</form>");
    // Field 11 is the second submit button.
    ASSERT_EQ(document.Controls()[11].name, "second");
    EXPECT_EQ(
        FormSubmission::SuccessfulFields(document, 0, 11),
        (std::vector<FormSubmission::Field>{
            {"h", "1"}, {"yes", "on"}, {"r", "b"}, {"second", "Two"}, {"s", "x"}, {"s", "y"}}));
}

struct TargetCase {
    const char* html;
    bool post;
    const char* url;
    const char* body;

    friend void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.url; }
};

class SubmissionTarget : public testing::TestWithParam<TargetCase> {};

TEST_P(SubmissionTarget, ResolvesTheActionAgainstPageAndBase) {
    const HtmlDocument document = HtmlDocument::Parse(GetParam().html);
    std::size_t submitter = 0;
    while (document.Controls()[submitter].kind != FormControl::Kind::Submit) {
        ++submitter;
    }
    const auto submission =
        FormSubmission::Build(document, 0, submitter, kPage, PageCharset::Windows1252);
    ASSERT_TRUE(submission.has_value());
    EXPECT_EQ(submission->post, GetParam().post);
    EXPECT_EQ(submission->url, GetParam().url);
    EXPECT_EQ(submission->body, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SubmissionTarget,
    testing::Values(
        TargetCase{"<form method=POST action='/ws/submit'><input name=a value=1>"
                   "<input type=submit></form>",
                   true, "http://sign.example/ws/submit", "a=1"},
        TargetCase{"<form method=' post ' action=' next.dll?x=2 '><input type=submit></form>", true,
                   "http://sign.example/ws/next.dll?x=2", ""},
        TargetCase{"<form action='find?old=1#frag'><input name=q value='a b'>"
                   "<input type=submit name=go value=Go></form>",
                   false, "http://sign.example/ws/find?q=a+b&go=Go", ""},
        TargetCase{"<form><input name=q value=z><input type=submit></form>", false,
                   "http://sign.example/ws/page.dll?q=z", ""},
        TargetCase{"<base href='/other/'><form method=get action='find'>"
                   "<input type=submit></form>",
                   false, "http://sign.example/other/find", ""},
        TargetCase{"<base href='https://secure.example/a/'><form method=post action='b'>"
                   "<input type=submit></form>",
                   true, "https://secure.example/a/b", ""},
        TargetCase{"<form method=post action='//cdn.example/x'><input type=submit></form>", true,
                   "http://cdn.example/x", ""}));

TEST(FormSubmission, EncodesValuesInThePagesCharset) {
    HtmlDocument document =
        HtmlDocument::Parse("<form method=post><input name=v><input type=submit></form>");
    document.FindControl("v", 0)->values = {"\xE2\x82\xAC\xC3\xB6\xE4\xB8\xAD"};  // UTF-8
    const auto asCp1252 = FormSubmission::Build(document, 0, 1, kPage, PageCharset::Windows1252);
    const auto asUtf8 = FormSubmission::Build(document, 0, 1, kPage, PageCharset::Utf8);
    ASSERT_TRUE(asCp1252 && asUtf8);
    EXPECT_EQ(asCp1252->body, "v=%80%F6%26%2320013%3B");
    EXPECT_EQ(asUtf8->body, "v=%E2%82%AC%C3%B6%E4%B8%AD");
}

}  // namespace
}  // namespace gb::retrieval
