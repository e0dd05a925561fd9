#pragma once
// The engine of one retrieval: drives its browser, signs in through the site's
// form, writes the session log lines and posts the progress messages to the
// main window. Lives on the worker thread; only Cancel may be called from
// another thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/RetrievalNotify.h"
#include "platform/MessageTarget.h"
#include "retrieval/EngineLogs.h"
#include "retrieval/browser/Browser.h"

namespace gb::retrieval {

class CWebComber {
public:
    // `mainWindow` 0 means no messages are posted.
    CWebComber(Browser& browser, gb::WindowHandle mainWindow, EngineLogs logs);
    ~CWebComber();
    CWebComber(const CWebComber&) = delete;
    CWebComber& operator=(const CWebComber&) = delete;

    // The retrieval's request number: it names the engine in the log lines and
    // travels in every message.
    void SetEngineNumber(std::uint16_t number) { engineNumber_ = number; }
    std::uint16_t EngineNumber() const { return engineNumber_; }

    // Writes `text` (when not null) to the summary log unless it is a detail,
    // and always to the details log, then posts WM_USER+1 with `kind`.
    void Log(const char* text, RetrievalNotifyKind kind) noexcept;
    void Log(const std::string& text, RetrievalNotifyKind kind) noexcept {
        Log(text.c_str(), kind);
    }

    // Loads `url` and waits for it; a loaded page writes the detail line
    // "Site N Document Complete: <address>". Raises 501 once cancelled.
    bool Navigate(const std::string& url);
    bool IsConnected() const { return browser_.IsConnected(); }
    // Tries to reach the server of `url`; false when it could not be reached
    // at all (no name resolution, connection refused, no route).
    bool TestConnection(const std::string& url) { return browser_.TestConnection(url); }
    bool GetPageHtml(std::string& html) const;
    bool SetFieldValue(std::string_view name, int index, std::string_view value);
    // Submits the form with its submit button and waits for the answer.
    bool SubmitForm(std::string_view formName, int index);

    // Signs in through the site's form "SignInForm": 0 when the site took the
    // sign-in, 504 when the form could not be used, 506 when the site stayed
    // on the sign-in page. The password goes only to a server of
    // `siteAddresses` (the site's own addresses, the sign-in address among
    // them), whatever the site's redirects say; a form whose action names
    // another server is not submitted (504).
    int Login(const std::string& signInUrl, const std::string& user, const std::string& password,
              const std::vector<std::string>& siteAddresses);

    // Keeps the current page in "AucPage.htm" for the user to look at.
    bool SaveReturnedPage();

    // Aborts the page load in progress; every later load raises 501. Any thread.
    void Cancel();

private:
    void RaiseIfCancelled() const;
    // True when the sign-in form of the current page is sent to one of
    // `recipients`; else logs where it would go.
    bool SignInFormStaysOnTheSite(const PasswordRecipients& recipients);
    // Writes the detail line that tells why loading `what` failed.
    void LogLoadFailure(const std::string& what);
    // Runs `submit` on the current page: false when there is none or the
    // answer could not be loaded.
    bool Submit(const std::function<bool()>& submit);

    Browser& browser_;
    gb::WindowHandle mainWindow_;
    EngineLogs logs_;
    std::uint16_t engineNumber_ = 0;
    std::atomic<bool> cancelled_{false};
};

}  // namespace gb::retrieval
