#pragma once
// The browser of one retrieval: loads pages over HTTP(S), keeps the current
// page with its forms, fills in and submits forms. No images, scripts or
// frames are fetched. One session per retrieval, used from one thread; only
// Cancel may be called from another.

#include <optional>
#include <stdexcept>
#include <string>

#include "retrieval/browser/Browser.h"
#include "retrieval/browser/HtmlDocument.h"
#include "retrieval/browser/HttpClient.h"
#include "retrieval/browser/PageCharset.h"

namespace gb::retrieval {

// The site has sent no whole page within the progress limit.
class SiteTooSlow : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BrowserSession final : public Browser {
public:
    using Limits = HttpClient::Limits;
    using Options = HttpClient::Options;

    explicit BrowserSession(Options options = {});

    bool Navigate(const std::string& url) override;
    std::string LocationUrl() const override { return location_; }
    std::optional<std::string> PageHtml() const override;
    bool SetFieldValue(std::string_view name, int index, std::string_view value) override;
    bool SubmitForm(std::string_view formName, int index) override;
    bool SubmitFormSecurely(std::string_view formName, int index,
                            const PasswordRecipients& recipients) override;
    std::optional<std::string> FormAction(std::string_view formName, int index) override;
    std::string FailureReason() const override { return failureReason_; }
    bool IsConnected() const override { return connected_; }
    bool TestConnection(const std::string& url) override;
    void SetProgressHandler(std::function<void()> handler) override;
    void Cancel() override { client_.Cancel(); }

private:
    struct Page {
        std::string body;  // as received
        PageCharset charset = PageCharset::Windows1252;
        std::string cp1252;  // what the site objects read
        // Parsed when a form is first used: most pages are only read.
        std::optional<HtmlDocument> document;
    };

    bool Load(const HttpClient::Request& request);
    // `recipients` set: the form carries a password.
    bool Submit(std::string_view formName, int index, const PasswordRecipients* recipients);
    HtmlDocument& Document();

    HttpClient client_;
    std::string location_;
    std::string failureReason_;
    std::optional<Page> page_;
    bool connected_ = true;
};

}  // namespace gb::retrieval
