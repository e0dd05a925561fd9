#include "retrieval/browser/BrowserSession.h"

#include <utility>

#include "platform/Cp1252.h"
#include "retrieval/browser/FormSubmission.h"
#include "retrieval/browser/Url.h"

namespace gb::retrieval {

namespace {

constexpr char kBlankPage[] = "about:blank";

std::string CutAtZero(std::string text) {
    if (const auto zero = text.find('\0'); zero != std::string::npos) {
        text.resize(zero);
    }
    return text;
}

}  // namespace

BrowserSession::BrowserSession(Options options) : client_(std::move(options)) {}

void BrowserSession::SetProgressHandler(std::function<void()> handler) {
    client_.SetProgressHandler(std::move(handler));
}

bool BrowserSession::Navigate(const std::string& url) {
    if (cp1252::EqualsNoCase(url, kBlankPage)) {
        failureReason_.clear();
        page_ = Page{};
        location_ = kBlankPage;
        return true;
    }
    // Addresses come from the site objects as Windows-1252 text.
    return Load({cp1252::ToUtf8(url), std::nullopt, {}});
}

bool BrowserSession::TestConnection(const std::string& url) {
    connected_ = client_.Connect(cp1252::ToUtf8(url)) != HttpClient::Failure::Unreachable;
    return connected_;
}

bool BrowserSession::Load(const HttpClient::Request& request) {
    page_.reset();
    HttpClient::Result result = client_.Fetch(request);
    if (result.failure == HttpClient::Failure::NoProgress) {
        throw SiteTooSlow(result.reason);
    }
    connected_ = result.failure != HttpClient::Failure::Unreachable;
    failureReason_ = std::move(result.reason);
    if (result.failure != HttpClient::Failure::None) {
        return false;
    }
    HttpClient::Response& response = result.response;
    Page page;
    page.charset = DetectPageCharset(response.contentType, response.body);
    page.cp1252 = CutAtZero(PageToCp1252(response.body, page.charset));
    page.body = std::move(response.body);
    page_ = std::move(page);
    location_ = std::move(response.location);
    return true;
}

HtmlDocument& BrowserSession::Document() {
    if (!page_->document) {
        page_->document = HtmlDocument::Parse(PageToUtf8(page_->body, page_->charset));
    }
    return *page_->document;
}

std::optional<std::string> BrowserSession::PageHtml() const {
    if (!page_) {
        return std::nullopt;
    }
    return page_->cp1252;
}

bool BrowserSession::SetFieldValue(std::string_view name, int index, std::string_view value) {
    if (!page_) {
        return false;
    }
    FormControl* control = Document().FindControl(cp1252::ToUtf8(name), index);
    if (control == nullptr) {
        return false;
    }
    control->values = {cp1252::ToUtf8(value)};
    return true;
}

bool BrowserSession::SubmitForm(std::string_view formName, int index) {
    return Submit(formName, index, nullptr);
}

bool BrowserSession::SubmitFormSecurely(std::string_view formName, int index,
                                        const PasswordRecipients& recipients) {
    return Submit(formName, index, &recipients);
}

std::optional<std::string> BrowserSession::FormAction(std::string_view formName, int index) {
    if (!page_) {
        return std::nullopt;
    }
    const HtmlDocument& document = Document();
    const std::optional<std::size_t> form = document.FindForm(cp1252::ToUtf8(formName), index);
    if (!form) {
        return std::nullopt;
    }
    return FormSubmission::ActionUrl(document, *form, location_);
}

bool BrowserSession::Submit(std::string_view formName, int index,
                            const PasswordRecipients* recipients) {
    if (!page_) {
        return false;
    }
    const HtmlDocument& document = Document();
    const std::optional<std::size_t> form = document.FindForm(cp1252::ToUtf8(formName), index);
    if (!form) {
        return false;
    }
    const auto& controls = document.Controls();
    std::optional<std::size_t> submitter;
    for (std::size_t i = 0; i < controls.size() && !submitter; ++i) {
        if (controls[i].form == form && controls[i].kind == FormControl::Kind::Submit &&
            !controls[i].disabled) {
            submitter = i;
        }
    }
    if (!submitter) {
        return false;
    }
    const std::optional<FormSubmission> submission =
        FormSubmission::Build(document, *form, *submitter, location_, page_->charset);
    if (!submission) {
        return false;
    }
    return Load({recipients != nullptr ? url::UpgradeToHttps(submission->url) : submission->url,
                 submission->post ? std::optional<std::string>(submission->body) : std::nullopt,
                 location_, recipients});
}

}  // namespace gb::retrieval
