#include "retrieval/RetrievalWorker.h"

#include <array>

#include "retrieval/FormatText.h"
#include "retrieval/RetrievalFailure.h"
#include "retrieval/RetrievalStrings.h"

namespace gb::retrieval {

namespace {

// Every text the worker asks a site object for comes in a fresh, zeroed buffer
// of this size.
constexpr std::uint32_t kSiteTextSize = 512;
using SiteText = std::array<char, kSiteTextSize>;

// The text in a buffer a site object filled, never read past its end.
std::string TextOf(SiteText& buffer) {
    buffer.back() = '\0';
    return buffer.data();
}

// An exception's message as it goes into the failure text.
constexpr std::size_t kMaxExceptionText = 200;

constexpr char kBlankPage[] = "about:blank";
constexpr char kAdultForm[] = "AdultCheck";

}  // namespace

RetrievalWorker::RetrievalWorker(ComPtr<IBidscope> site, WindowHandle mainWindow,
                                 std::unique_ptr<Browser> browser, EngineLogs logs)
    : site_(std::move(site)),
      browser_(std::move(browser)),
      engine_(*browser_, mainWindow, std::move(logs)) {}

void RetrievalWorker::Run() noexcept {
    bool succeeded = false;
    std::string result;
    try {
        std::uint16_t engineNumber = 0;
        site_->GetRequest(&engineNumber);
        engine_.SetEngineNumber(engineNumber);
        SiteText siteId{};
        site_->GetSiteID(siteId.data(), kSiteTextSize);
        siteId_ = TextOf(siteId);

        engine_.Log(
            FormatText("Starting Retrieval engine %d for %s...", engineNumber, siteId_.c_str()),
            RetrievalNotifyKind::Detail);
        if (engine_.Navigate(kBlankPage)) {
            succeeded = Retrieve();
        } else {
            engine_.Log(FormatText("Retrieval engine %d failed to start: %s", engineNumber,
                                   siteId_.c_str()),
                        RetrievalNotifyKind::Detail);
        }
        result = FormatText(
            succeeded ? "Update Complete for site %d: %s" : "Unable to update site %d: %s",
            engineNumber, siteId_.c_str());
    } catch (...) {
        succeeded = false;
        result = FailureResult(std::current_exception());
    }
    engine_.Log(result, succeeded ? RetrievalNotifyKind::Success : RetrievalNotifyKind::Failure);
    try {
        engine_.Log(FormatText("Retrieval engine %d is stopped", engine_.EngineNumber()),
                    RetrievalNotifyKind::Detail);
    } catch (...) {
        // The result is out; a lost closing line harms nothing.
    }
}

std::string RetrievalWorker::FailureResult(const std::exception_ptr& failure) noexcept {
    try {
        const int engineNumber = engine_.EngineNumber();
        try {
            std::rethrow_exception(failure);
        } catch (const RetrievalFailure& raised) {
            return FormatText("Failure on site %d: %s", engineNumber,
                              FailureCodeText(raised.code).c_str());
        } catch (const std::exception& exception) {
            const std::string message = std::string(exception.what()).substr(0, kMaxExceptionText);
            std::string text = FormatText("Failure on site %d: %s", engineNumber, message.c_str());
            engine_.Log(text, RetrievalNotifyKind::Detail);
            return text;
        } catch (...) {
            std::string text = FormatText("Failure on site %d: unknown error", engineNumber);
            engine_.Log(text, RetrievalNotifyKind::Detail);
            return text;
        }
    } catch (...) {
        return {};  // out of memory: the end message still goes out
    }
}

bool RetrievalWorker::Retrieve() {
    // The connected test reaches for the listing server itself, so a site that
    // cannot be reached at all ends the retrieval at once.
    SiteText listingUrl{};
    site_->GetURL(listingUrl.data(), kSiteTextSize);
    if (!engine_.IsConnected() || !engine_.TestConnection(TextOf(listingUrl))) {
        throw RetrievalFailure{kCodeNotConnected};
    }
    SignIn(TextOf(listingUrl));
    PassAdultConsent();
    return WalkPages();
}

void RetrievalWorker::RaiseWithPageSaved(int code) {
    engine_.SaveReturnedPage();
    throw RetrievalFailure{engine_.IsConnected() ? code : kCodeNotConnected};
}

void RetrievalWorker::SignIn(const std::string& listingUrl) {
    SiteText signInUrl{};
    site_->GetInitURL(signInUrl.data(), kSiteTextSize);
    SiteText user{};
    SiteText password{};
    site_->GetUser(user.data(), password.data(), kSiteTextSize);
    const std::string address = TextOf(signInUrl);
    if (address.empty()) {
        return;
    }
    engine_.Log("Requesting login", RetrievalNotifyKind::Detail);
    if (const int code =
            engine_.Login(address, TextOf(user), TextOf(password), {address, listingUrl});
        code != 0) {
        RaiseWithPageSaved(code);
    }
}

void RetrievalWorker::PassAdultConsent() {
    SiteText adultUrl{};
    site_->GetAdultURL(adultUrl.data(), kSiteTextSize);
    const std::string address = TextOf(adultUrl);
    if (address.empty()) {
        return;
    }
    engine_.Log("Requesting Adult Consent", RetrievalNotifyKind::Detail);
    const bool passed = engine_.Navigate(address) &&
                        (engine_.SubmitForm(kAdultForm, 0) || engine_.SubmitForm("", 0));
    engine_.Log(
        passed ? "Adult consent successful" : "Adult consent FAILED, but continuing anyways",
        RetrievalNotifyKind::Detail);
}

bool RetrievalWorker::WalkPages() {
    for (int page = 1;; ++page) {
        if (page > kMaxListingPages) {
            engine_.Log(FormatText("Stopped after %d listing pages", kMaxListingPages),
                        RetrievalNotifyKind::Detail);
            return false;
        }
        SiteText pageUrl{};
        site_->GetURL(pageUrl.data(), kSiteTextSize);
        const std::string address = TextOf(pageUrl);

        // A load that fails keeps the status of the one before.
        HRESULT status = E_FAIL;
        bool obtained = false;
        for (int attempt = 0; attempt < kPageAttempts && status != S_OK; ++attempt) {
            if (attempt > 0) {
                engine_.Log("Invalid response from eBay - retrying page",
                            RetrievalNotifyKind::Detail);
            }
            std::string html;
            obtained = engine_.Navigate(address) && engine_.GetPageHtml(html);
            if (obtained) {
                status = site_->SetSummaryPage(html.c_str());
            }
        }
        if (!obtained) {
            engine_.Log("Could not obtain HTML page", RetrievalNotifyKind::Detail);
            return false;
        }

        const std::optional<HRESULT> ended = WalkRows(status);
        if (!ended) {
            return false;
        }
        // S_FALSE (no further row) and other non-negative codes end a page normally.
        if (Failed(*ended)) {
            RaiseWithPageSaved(kCodeListingFailed);
        }
        std::uint16_t morePages = 0;
        site_->GoNextPage(&morePages);
        if (morePages == 0) {
            return true;
        }
    }
}

std::optional<HRESULT> RetrievalWorker::WalkRows(HRESULT status) {
    for (int row = 0; status == S_OK; ++row) {
        if (row >= kMaxRowsPerPage) {
            engine_.Log(FormatText("Stopped after %d rows of one listing page", kMaxRowsPerPage),
                        RetrievalNotifyKind::Detail);
            return std::nullopt;
        }
        SiteText buyerUrl{};
        status = site_->GetBuyerURL(buyerUrl.data(), kSiteTextSize);
        const std::string address = TextOf(buyerUrl);
        std::string buyerPage;
        if (!address.empty() && !(engine_.Navigate(address) && engine_.GetPageHtml(buyerPage))) {
            status = E_FAIL;
        }
        if (status != S_OK) {
            break;
        }
        status = site_->ParseData(buyerPage.c_str());
        if (status == S_OK) {
            status = site_->MoveNextRow();
        }
    }
    return status;
}

}  // namespace gb::retrieval
