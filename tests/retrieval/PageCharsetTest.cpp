#include "retrieval/browser/PageCharset.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gb::retrieval {
namespace {

struct CharsetCase {
    const char* contentType;
    const char* body;
    PageCharset expected;

    friend void PrintTo(const CharsetCase& c, std::ostream* out) {
        *out << c.contentType << " | " << c.body;
    }
};

class PageCharsetDetection : public testing::TestWithParam<CharsetCase> {};

TEST_P(PageCharsetDetection, HeaderThenMetaThenWindows1252) {
    EXPECT_EQ(DetectPageCharset(GetParam().contentType, GetParam().body), GetParam().expected)
        << GetParam().contentType << " | " << GetParam().body;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageCharsetDetection,
    testing::Values(
        CharsetCase{"text/html; charset=utf-8", "", PageCharset::Utf8},
        CharsetCase{"text/html;charset=\"UTF-8\"", "", PageCharset::Utf8},
        CharsetCase{"text/html; Charset = utf8", "", PageCharset::Utf8},
        CharsetCase{"text/html; charset=ISO-8859-1", "<meta charset=utf-8>",
                    PageCharset::Windows1252},
        CharsetCase{"text/html", "<head><META CHARSET='UTF-8'></head>", PageCharset::Utf8},
        CharsetCase{"", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
                    PageCharset::Utf8},
        CharsetCase{"", "<meta name=description content=x><meta charset=utf-8/>",
                    PageCharset::Utf8},
        CharsetCase{"", "<meta charset=windows-1252>", PageCharset::Windows1252},
        CharsetCase{"text/html", "<p>no declaration</p>", PageCharset::Windows1252},
        CharsetCase{"text/html; charset=", "<meta charset>", PageCharset::Windows1252}));

TEST(PageCharset, MetaFarIntoThePageIsNotLookedFor) {
    const std::string late = std::string(2000, ' ') + "<meta charset=utf-8>";
    EXPECT_EQ(DetectPageCharset("", late), PageCharset::Windows1252);
}

TEST(PageCharset, ConvertsUtf8PagesAndPassesWindows1252Through) {
    const std::string utf8 = "caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD";
    EXPECT_EQ(PageToCp1252(utf8, PageCharset::Utf8), "caf\xE9 \x80 &#20013;");
    EXPECT_EQ(PageToCp1252("caf\xE9", PageCharset::Windows1252), "caf\xE9");
    EXPECT_EQ(PageToUtf8("caf\xE9 \x80", PageCharset::Windows1252), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(PageToUtf8(utf8, PageCharset::Utf8), utf8);
    EXPECT_EQ(Utf8ToPageCharset("\xE4\xB8\xAD\xC3\xA9", PageCharset::Windows1252), "&#20013;\xE9");
    EXPECT_EQ(Utf8ToPageCharset("\xC3\xA9", PageCharset::Utf8), "\xC3\xA9");
}

}  // namespace
}  // namespace gb::retrieval
