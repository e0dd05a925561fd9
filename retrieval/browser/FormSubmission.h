#pragma once
// The request a browser sends when a form is submitted with one of its submit
// buttons: the successful fields, url-encoded in the page's charset, sent by
// GET in the query or by POST in the body to the form's resolved action.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "retrieval/browser/HtmlDocument.h"
#include "retrieval/browser/PageCharset.h"

namespace gb::retrieval {

struct FormSubmission {
    std::string url;
    bool post = false;
    std::string body;  // application/x-www-form-urlencoded; empty for GET

    using Field = std::pair<std::string, std::string>;

    // The submission of form `form` of `document` (loaded from `pageUrl`) by its
    // field `submitter`; nothing when the action cannot be resolved.
    static std::optional<FormSubmission> Build(const HtmlDocument& document, std::size_t form,
                                               std::size_t submitter, std::string_view pageUrl,
                                               PageCharset charset);

    // Where form `form` of `document` (loaded from `pageUrl`) is sent: its
    // action resolved against the page's <base href> and the page; nothing
    // when it cannot be resolved.
    static std::optional<std::string> ActionUrl(const HtmlDocument& document, std::size_t form,
                                                std::string_view pageUrl);

    // The name and value pairs the form sends, in field order, still UTF-8.
    static std::vector<Field> SuccessfulFields(const HtmlDocument& document, std::size_t form,
                                               std::size_t submitter);

    // The pairs as "name=value&...", each byte not a letter, digit or one of
    // "*-._" written as %XX and a blank as "+".
    static std::string UrlEncode(const std::vector<Field>& fields);
};

}  // namespace gb::retrieval
