#include "retrieval/browser/FormSubmission.h"

#include "platform/Cp1252.h"
#include "retrieval/browser/Url.h"

namespace gb::retrieval {

namespace {

void AppendEncoded(std::string& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || byte == '*' || byte == '-' || byte == '.' ||
            byte == '_') {
            out += c;
        } else if (byte == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n\f") - first + 1);
}

}  // namespace

std::vector<FormSubmission::Field> FormSubmission::SuccessfulFields(const HtmlDocument& document,
                                                                    std::size_t form,
                                                                    std::size_t submitter) {
    std::vector<Field> fields;
    const auto& controls = document.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const FormControl& control = controls[i];
        if (control.form != form || control.disabled || control.name.empty()) {
            continue;
        }
        bool successful = false;
        switch (control.kind) {
            case FormControl::Kind::Text:
            case FormControl::Kind::Select:
            case FormControl::Kind::TextArea:
                successful = true;
                break;
            case FormControl::Kind::Checkbox:
            case FormControl::Kind::Radio:
                successful = control.checked;
                break;
            case FormControl::Kind::Submit:
                successful = i == submitter;
                break;
            case FormControl::Kind::Inert:
                break;
        }
        if (successful) {
            for (const std::string& value : control.values) {
                fields.emplace_back(control.name, value);
            }
        }
    }
    return fields;
}

std::string FormSubmission::UrlEncode(const std::vector<Field>& fields) {
    std::string encoded;
    for (const auto& [name, value] : fields) {
        if (!encoded.empty()) {
            encoded += '&';
        }
        AppendEncoded(encoded, name);
        encoded += '=';
        AppendEncoded(encoded, value);
    }
    return encoded;
}

std::optional<std::string> FormSubmission::ActionUrl(const HtmlDocument& document, std::size_t form,
                                                     std::string_view pageUrl) {
    // An empty action means the page itself; any other is relative to the
    // page's <base href>, itself relative to the page.
    const std::string_view written = Trimmed(document.Forms().at(form).action);
    if (written.empty()) {
        return std::string(pageUrl);
    }
    std::string base(pageUrl);
    if (document.BaseHref()) {
        if (auto resolved = url::Resolve(pageUrl, Trimmed(*document.BaseHref()))) {
            base = std::move(*resolved);
        }
    }
    return url::Resolve(base, written);
}

std::optional<FormSubmission> FormSubmission::Build(const HtmlDocument& document, std::size_t form,
                                                    std::size_t submitter, std::string_view pageUrl,
                                                    PageCharset charset) {
    std::vector<Field> fields = SuccessfulFields(document, form, submitter);
    for (auto& [name, value] : fields) {
        name = Utf8ToPageCharset(name, charset);
        value = Utf8ToPageCharset(value, charset);
    }
    const HtmlForm& target = document.Forms().at(form);
    std::optional<std::string> action = ActionUrl(document, form, pageUrl);
    if (!action) {
        return std::nullopt;
    }

    FormSubmission submission;
    submission.post = cp1252::EqualsNoCase(Trimmed(target.method), "post");
    if (submission.post) {
        submission.url = std::move(*action);
        submission.body = UrlEncode(fields);
        return submission;
    }
    auto withQuery = url::WithQuery(*action, UrlEncode(fields));
    if (!withQuery) {
        return std::nullopt;
    }
    submission.url = std::move(*withQuery);
    return submission;
}

}  // namespace gb::retrieval
