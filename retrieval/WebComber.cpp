#include "retrieval/WebComber.h"

#include "platform/FileIo.h"
#include "platform/WindowRegistry.h"
#include "retrieval/FormatText.h"
#include "retrieval/RetrievalFailure.h"
#include "retrieval/RetrievalStrings.h"
#include "retrieval/browser/Url.h"

namespace gb::retrieval {

namespace {

constexpr char kUserIdField[] = "userid";
constexpr char kPasswordField[] = "pass";
constexpr char kSignInForm[] = "SignInForm";
// Loads of the sign-in page before giving up on finding its form.
constexpr int kSignInLoads = 3;

}  // namespace

CWebComber::CWebComber(Browser& browser, gb::WindowHandle mainWindow, EngineLogs logs)
    : browser_(browser), mainWindow_(mainWindow), logs_(std::move(logs)) {
    // Every piece of a page that arrives is a progress tick for the main window.
    browser_.SetProgressHandler([this] { Log(nullptr, RetrievalNotifyKind::Detail); });
}

CWebComber::~CWebComber() {
    browser_.SetProgressHandler({});
}

void CWebComber::Log(const char* text, RetrievalNotifyKind kind) noexcept {
    // The lines are written before the message is posted, so the main window
    // finds a retrieval's result in the logs when its end message arrives.
    if (text != nullptr) {
        try {
            if (kind != RetrievalNotifyKind::Detail) {
                logs_.summary.Append(text);
            }
            logs_.details.Append(text);
        } catch (...) {
            // A line that cannot be written must not end the retrieval.
        }
    }
    if (mainWindow_ != 0) {
        try {
            gb::PostMessage(mainWindow_, WM_RETRIEVAL_NOTIFY, static_cast<std::uintptr_t>(kind),
                            engineNumber_);
        } catch (...) {
            // Posting never blocks; a failure to queue loses only this message.
        }
    }
}

void CWebComber::RaiseIfCancelled() const {
    if (cancelled_) {
        throw RetrievalFailure{kCodeCancelled};
    }
}

void CWebComber::Cancel() {
    cancelled_ = true;
    browser_.Cancel();
}

bool CWebComber::Navigate(const std::string& url) {
    RaiseIfCancelled();
    const bool loaded = browser_.Navigate(url);
    RaiseIfCancelled();
    if (loaded) {
        Log("Site " + std::to_string(engineNumber_) +
                " Document Complete: " + browser_.LocationUrl(),
            RetrievalNotifyKind::Detail);
    } else {
        LogLoadFailure(url);
    }
    return loaded;
}

void CWebComber::LogLoadFailure(const std::string& url) {
    Log("Site " + std::to_string(engineNumber_) + " could not load " + url + ": " +
            browser_.FailureReason(),
        RetrievalNotifyKind::Detail);
}

bool CWebComber::GetPageHtml(std::string& html) const {
    std::optional<std::string> page = browser_.PageHtml();
    if (!page) {
        return false;
    }
    html = std::move(*page);
    return true;
}

bool CWebComber::SetFieldValue(std::string_view name, int index, std::string_view value) {
    // The first field set reads the page's forms, which takes a while on a
    // large page; a stop meanwhile ends the retrieval right after.
    const bool set = browser_.SetFieldValue(name, index, value);
    RaiseIfCancelled();
    return set;
}

bool CWebComber::SubmitForm(std::string_view formName, int index) {
    return Submit([&] { return browser_.SubmitForm(formName, index); });
}

bool CWebComber::Submit(const std::function<bool()>& submit) {
    RaiseIfCancelled();
    if (!browser_.PageHtml()) {
        Log("SubmitForm: No MSHTML Document", RetrievalNotifyKind::Detail);
        return false;
    }
    const bool submitted = submit();
    RaiseIfCancelled();
    if (!submitted && !browser_.FailureReason().empty()) {
        LogLoadFailure("the answer to the form");
    }
    return submitted;
}

bool CWebComber::SignInFormStaysOnTheSite(const PasswordRecipients& recipients) {
    const std::optional<std::string> action = browser_.FormAction(kSignInForm, 0);
    if (!action) {
        return true;  // no such form: submitting it fails on its own
    }
    // The form goes out over https, whatever its action says.
    const std::string target = url::UpgradeToHttps(*action);
    if (recipients.Accepts(target)) {
        return true;
    }
    Log("The sign-in form would send the password to " + url::OriginOf(target).value_or(target) +
            ", which is not a server of the site (" + recipients.Servers() + "); it was not sent",
        RetrievalNotifyKind::Detail);
    return false;
}

int CWebComber::Login(const std::string& signInUrl, const std::string& user,
                      const std::string& password, const std::vector<std::string>& siteAddresses) {
    // The password goes to the site over https only, so the sign-in page is
    // loaded over https too.
    const std::string secureUrl = url::UpgradeToHttps(signInUrl);
    // The field is looked for before each load of the sign-in page, so the
    // page loaded last is not examined.
    for (int loads = 0; !SetFieldValue(kUserIdField, 0, user);) {
        const bool loaded = Navigate(secureUrl);
        if (++loads == kSignInLoads) {
            if (!loaded && secureUrl != signInUrl) {
                Log("The sign-in page could not be reached over https, and the password is "
                    "never sent over http: " +
                        secureUrl,
                    RetrievalNotifyKind::Detail);
            }
            return kCodeNoProperResponse;
        }
    }
    const std::string signInPage = browser_.LocationUrl();
    const PasswordRecipients recipients(siteAddresses);
    if (!SetFieldValue(kPasswordField, 0, password) || !SignInFormStaysOnTheSite(recipients)) {
        return kCodeNoProperResponse;
    }
    if (!Submit([&] { return browser_.SubmitFormSecurely(kSignInForm, 0, recipients); })) {
        Log(std::string("Could not submit request. Please notify ") + kSupportAddress + ".",
            RetrievalNotifyKind::Detail);
        return kCodeNoProperResponse;
    }
    Log("Login request submitted", RetrievalNotifyKind::Detail);
    // A site that did not take the sign-in shows its sign-in page again.
    return browser_.LocationUrl() == signInPage ? kCodeSignInRejected : 0;
}

bool CWebComber::SaveReturnedPage() {
    std::string html;
    bool saved = GetPageHtml(html);
    if (saved) {
        try {
            gb::WriteFileAtomically(logs_.returnedPage, html, gb::FileAccess::OwnerOnly);
        } catch (const std::exception&) {
            saved = false;
        }
    }
    Log(saved ? "For more details see: " + logs_.returnedPage.string()
              : std::string("Could not save returned page"),
        RetrievalNotifyKind::Detail);
    return saved;
}

}  // namespace gb::retrieval
