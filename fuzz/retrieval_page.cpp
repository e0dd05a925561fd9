// Takes a fetched page as the browser session does: finds its charset,
// converts it for the site objects and for the form parser, reads its forms,
// fills a field and builds the submission of every submit button. Pages
// nested deeper than any real page, or that make the parser work far beyond
// one, are refused.
//
// Input: the Content-Type header, a NUL byte, then the page body.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "retrieval/browser/FormSubmission.h"
#include "retrieval/browser/HtmlDocument.h"
#include "retrieval/browser/PageCharset.h"
#include "retrieval/browser/Url.h"

using namespace gb::retrieval;

namespace {

constexpr std::string_view kPageUrl = "https://signin.example.com:8443/ws/api.dll?SignIn&x=1#top";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view contentType =
        split == std::string_view::npos ? std::string_view() : input.substr(0, split);
    const std::string_view body = split == std::string_view::npos ? input : input.substr(split + 1);

    const PageCharset charset = DetectPageCharset(contentType, body);
    (void)PageToCp1252(body, charset);
    HtmlDocument document;
    try {
        document = HtmlDocument(PageReader(GB_PAGE_READER).Read(PageToUtf8(body, charset)).page);
    } catch (const PageNotRead&) {
        return 0;  // refused
    }
    if (const std::optional<std::string>& base = document.BaseHref()) {
        (void)url::Resolve(kPageUrl, *base);
    }
    if (FormControl* field = document.FindControl("userid", 0)) {
        field->values = {"s\xC3\xA9ller \xE2\x82\xAC&="};
    }
    (void)document.FindForm("SignInForm", 0);
    const auto& controls = document.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        (void)Utf8ToPageCharset(controls[i].name, charset);
        if (controls[i].kind == FormControl::Kind::Submit && controls[i].form) {
            (void)FormSubmission::Build(document, *controls[i].form, i, kPageUrl, charset);
        }
    }
    return 0;
}
