#pragma once
// One retrieval: brings one seller ID of one auction site up to date. Signs in
// when the site object gives a sign-in address, passes the adult-consent form
// when it gives one, then loads every listing page and every buyer page and
// hands them to the site object, which parses them and fires the item rows.
// Run is the worker thread's whole work; it logs the result and posts exactly
// one end message, whatever happens.

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "interfaces/IBidscope.h"
#include "platform/ComPtr.h"
#include "platform/MessageTarget.h"
#include "retrieval/EngineLogs.h"
#include "retrieval/WebComber.h"
#include "retrieval/browser/Browser.h"

namespace gb::retrieval {

class RetrievalWorker {
public:
    // Bounds of a retrieval, so that a site that never stops offering pages or
    // rows cannot keep the worker busy for ever.
    static constexpr int kMaxListingPages = 1000;
    static constexpr int kMaxRowsPerPage = 10000;
    // Loads of one listing page before the site is taken to be failing.
    static constexpr int kPageAttempts = 10;

    RetrievalWorker(ComPtr<IBidscope> site, WindowHandle mainWindow,
                    std::unique_ptr<Browser> browser, EngineLogs logs);

    void Run() noexcept;

    // Ends the retrieval soon: the page load in progress is aborted and the
    // retrieval fails with 501. Any thread.
    void Cancel() { engine_.Cancel(); }

private:
    bool Retrieve();
    // The password may go to the hosts of the sign-in and listing addresses.
    void SignIn(const std::string& listingUrl);
    void PassAdultConsent();
    bool WalkPages();
    // The status the row loop of a listing page ended with; nothing when the
    // page held more rows than a retrieval takes.
    std::optional<HRESULT> WalkRows(HRESULT status);
    [[noreturn]] void RaiseWithPageSaved(int code);
    std::string FailureResult(const std::exception_ptr& failure) noexcept;

    ComPtr<IBidscope> site_;
    std::unique_ptr<Browser> browser_;
    CWebComber engine_;
    std::string siteId_;
};

}  // namespace gb::retrieval
