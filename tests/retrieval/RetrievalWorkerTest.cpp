#include "retrieval/RetrievalWorker.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "LogLines.h"
#include "ScriptedBrowser.h"
#include "ScriptedSite.h"
#include "platform/FileIo.h"
#include "platform/MessageQueue.h"
#include "platform/WindowRegistry.h"
#include "retrieval/RetrievalStrings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace gb::retrieval {
namespace {

using test::LogLines;
using test::ScriptedBrowser;
using test::ScriptedListingPage;
using test::ScriptedSite;
using Kind = RetrievalNotifyKind;

constexpr char kListing[] = "http://list.test/1";
constexpr char kSignIn[] = "https://signin.test/ws";
constexpr char kAdult[] = "http://adult.test/consent";
constexpr char kRetrying[] = "Invalid response from eBay - retrying page";
constexpr char kComplete[] = "Update Complete for site 7: eBay USA:seller";

std::string FailureLine(int code) {
    return "Failure on site 7: " + FailureCodeText(code);
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class RetrievalWorkerTest : public testing::Test {
protected:
    RetrievalWorkerTest() {
        site_->request = 7;
        site_->pages = {ScriptedListingPage{kListing, {S_OK}, {""}, false}};
        browser_->pages["about:blank"] = "";
        browser_->pages[kListing] = "LISTING";
    }

    void Run() {
        worker_ = std::make_unique<RetrievalWorker>(
            ComPtr<IBidscope>(site_), window_.Handle(), std::move(ownedBrowser_),
            EngineLogs{details_, summary_, folder_.Path() / "AucPage.htm"});
        worker_->Run();
        while (auto message = window_.TryTake()) {
            messages_.push_back(*message);
        }
    }

    std::vector<std::string> Details() const { return LogLines(details_.Path()); }
    std::vector<std::string> Summary() const { return LogLines(summary_.Path()); }
    std::optional<std::string> SavedPage() const {
        return ReadWholeFile(folder_.Path() / "AucPage.htm");
    }

    int Count(const std::string& line) const {
        const auto lines = Details();
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }

    // The kinds of the end messages posted (success or failure).
    std::vector<Kind> EndMessages() const {
        std::vector<Kind> ends;
        for (const WindowMessage& message : messages_) {
            EXPECT_EQ(message.message, WM_RETRIEVAL_NOTIFY);
            EXPECT_EQ(message.lParam, 7);
            const auto kind = static_cast<Kind>(message.wParam);
            if (kind != Kind::Detail) {
                ends.push_back(kind);
            }
        }
        return ends;
    }

    void ExpectFailure(const std::string& result) {
        EXPECT_EQ(Summary(), std::vector<std::string>{result});
        EXPECT_TRUE(Contains(Details(), result));
        EXPECT_EQ(EndMessages(), std::vector<Kind>{Kind::Failure});
    }

    test::TempFolder folder_;
    SessionLog details_{folder_.Path() / "AucDetail.txt"};
    SessionLog summary_{folder_.Path() / "AucSummary.txt"};
    MessageQueue window_;
    ComPtr<ScriptedSite> site_ = ScriptedSite::Make();
    std::unique_ptr<ScriptedBrowser> ownedBrowser_ = std::make_unique<ScriptedBrowser>();
    ScriptedBrowser* browser_ = ownedBrowser_.get();
    std::unique_ptr<RetrievalWorker> worker_;
    std::vector<WindowMessage> messages_;
};

TEST_F(RetrievalWorkerTest, SellerWithoutPasswordGoesStraightToTheListing) {
    site_->pages[0].buyerUrls = {"", "http://buyer.test/2"};
    browser_->pages["http://buyer.test/2"] = "BUYER";
    Run();

    EXPECT_EQ(browser_->loads,
              (std::vector<std::string>{"about:blank", kListing, "http://buyer.test/2"}));
    EXPECT_EQ(site_->summaryPages, std::vector<std::string>{"LISTING"});
    EXPECT_EQ(site_->parsedRows, (std::vector<std::string>{"", "BUYER"}));
    EXPECT_EQ(site_->nextPageCalls, 1);
    EXPECT_TRUE(site_->everyBufferZeroed);
    EXPECT_EQ(Details(), (std::vector<std::string>{
                             "Starting Retrieval engine 7 for eBay USA:seller...",
                             "Site 7 Document Complete: about:blank",
                             "Site 7 Document Complete: http://list.test/1",
                             "Site 7 Document Complete: http://buyer.test/2",
                             kComplete,
                             "Retrieval engine 7 is stopped",
                         }));
    EXPECT_EQ(Summary(), std::vector<std::string>{kComplete});
    EXPECT_EQ(EndMessages(), std::vector<Kind>{Kind::Success});
    // One message per detail line and per progress tick of each load; the
    // closing line's message follows the end message.
    EXPECT_EQ(messages_.size(), 6u + 3u);
    EXPECT_EQ(static_cast<Kind>(messages_[messages_.size() - 2].wParam), Kind::Success);
}

TEST_F(RetrievalWorkerTest, WalksPagesUntilTheSiteReportsTheLastOne) {
    site_->pages = {ScriptedListingPage{kListing, {S_OK}, {""}, true},
                    ScriptedListingPage{"http://list.test/2", {S_OK}, {"", ""}, false}};
    browser_->pages["http://list.test/2"] = "LISTING 2";
    Run();
    EXPECT_EQ(site_->summaryPages, (std::vector<std::string>{"LISTING", "LISTING 2"}));
    EXPECT_EQ(site_->parsedRows.size(), 3u);
    EXPECT_EQ(site_->nextPageCalls, 2);
    EXPECT_EQ(Summary(), std::vector<std::string>{kComplete});
}

TEST_F(RetrievalWorkerTest, BlankPageFailingEndsBeforeTheConnectedTest) {
    browser_->pages.erase("about:blank");
    browser_->connected = false;  // would give 505 if it were asked
    Run();
    const std::vector<std::string> details = Details();
    EXPECT_TRUE(Contains(details, "Retrieval engine 7 failed to start: eBay USA:seller"));
    ExpectFailure("Unable to update site 7: eBay USA:seller");
    EXPECT_EQ(browser_->loads, std::vector<std::string>{"about:blank"});
}

TEST_F(RetrievalWorkerTest, OfflineAtTheStartFailsWith505) {
    browser_->connected = false;
    Run();
    ExpectFailure(FailureLine(505));
}

TEST_F(RetrievalWorkerTest, ConnectedTestReachesForTheListingServerBeforeAnyLoad) {
    site_->signInUrl = kSignIn;
    site_->password = "secret";
    browser_->onLoad = [this](const std::string& url) {
        EXPECT_EQ(browser_->connectionTests.size(), url == "about:blank" ? 0u : 1u);
    };
    Run();
    EXPECT_EQ(browser_->connectionTests, std::vector<std::string>{kListing});
}

struct ConnectionCase {
    bool connected;
    int code;

    friend void PrintTo(const ConnectionCase& c, std::ostream* out) { *out << c.code; }
};

class ListingFailure : public RetrievalWorkerTest,
                       public testing::WithParamInterface<ConnectionCase> {};

TEST_P(ListingFailure, PageRejectedTenTimesIsSavedAndFails) {
    site_->pages[0].summaryResults = {E_FAIL};
    browser_->onLoad = [this](const std::string& url) {
        browser_->connected = url == "about:blank" || GetParam().connected;
    };
    Run();
    EXPECT_EQ(site_->summaryPages.size(), 10u);
    EXPECT_EQ(Count(kRetrying), 9);
    EXPECT_EQ(SavedPage(), std::optional<std::string>("LISTING"));
    EXPECT_EQ(Count("For more details see: " + (folder_.Path() / "AucPage.htm").string()), 1);
    ExpectFailure(FailureLine(GetParam().code));
}

TEST_P(ListingFailure, BuyerPageThatCannotBeLoadedFails) {
    site_->pages[0].buyerUrls = {"http://buyer.test/gone"};
    browser_->onLoad = [this](const std::string& url) {
        browser_->connected = url == "about:blank" || GetParam().connected;
    };
    Run();
    EXPECT_TRUE(site_->parsedRows.empty());
    // The failed load left no page to keep.
    EXPECT_EQ(Count("Could not save returned page"), 1);
    ExpectFailure(FailureLine(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(Connection, ListingFailure,
                         testing::Values(ConnectionCase{true, 503}, ConnectionCase{false, 505}));

TEST_F(RetrievalWorkerTest, ListingPageThatNeverLoadsFailsWithoutRaising) {
    browser_->pages.erase(kListing);
    Run();
    EXPECT_EQ(browser_->loads.size(), 1u + 10u);
    EXPECT_EQ(Count(kRetrying), 9);
    EXPECT_EQ(Count("Could not obtain HTML page"), 1);
    EXPECT_TRUE(site_->summaryPages.empty());
    ExpectFailure("Unable to update site 7: eBay USA:seller");
}

TEST_F(RetrievalWorkerTest, PageRejectedTwiceThenTakenGoesOn) {
    site_->pages[0].summaryResults = {E_FAIL, E_FAIL, S_OK};
    Run();
    EXPECT_EQ(site_->summaryPages.size(), 3u);
    EXPECT_EQ(Count(kRetrying), 2);
    EXPECT_EQ(Summary(), std::vector<std::string>{kComplete});
}

TEST_F(RetrievalWorkerTest, SiteThatNeverStopsOfferingPagesIsCut) {
    site_->pages[0].morePages = true;  // and stays on the same page for ever
    Run();
    EXPECT_EQ(site_->nextPageCalls, RetrievalWorker::kMaxListingPages);
    EXPECT_EQ(Count("Stopped after 1000 listing pages"), 1);
    ExpectFailure("Unable to update site 7: eBay USA:seller");
}

TEST_F(RetrievalWorkerTest, ExceptionEndsTheRetrievalWithItsMessage) {
    site_->onSummaryPage = [] { throw std::runtime_error("parser blew up"); };
    Run();
    EXPECT_EQ(Count("Failure on site 7: parser blew up"), 2);
    ExpectFailure("Failure on site 7: parser blew up");
}

TEST_F(RetrievalWorkerTest, LongExceptionMessageIsCut) {
    site_->onSummaryPage = [] { throw std::runtime_error(std::string(300, 'x')); };
    Run();
    ExpectFailure("Failure on site 7: " + std::string(200, 'x'));
}

TEST_F(RetrievalWorkerTest, AnythingThrownStillEndsWithOneMessage) {
    site_->onSummaryPage = [] { throw 42; };
    Run();
    ExpectFailure("Failure on site 7: unknown error");
}

TEST_F(RetrievalWorkerTest, CancelAbortsTheLoadAndFailsWith501) {
    browser_->onLoad = [this](const std::string& url) {
        if (url == kListing) {
            worker_->Cancel();
        }
    };
    Run();
    EXPECT_EQ(Count(kRetrying), 0);
    ExpectFailure(FailureLine(501));
}

TEST_F(RetrievalWorkerTest, StopWhileTheSignInFormIsReadEndsTheRetrievalThere) {
    site_->signInUrl = kSignIn;
    site_->password = "secret";
    browser_->pages[kSignIn] = "field:userid field:pass form:SignInForm";
    browser_->formTargets["SignInForm"] = "https://signin.test/welcome";
    browser_->pages["https://signin.test/welcome"] = "WELCOME";
    bool stopped = false;
    browser_->onFormRead = [&] {
        if (!stopped && !browser_->loads.empty() && browser_->loads.back() == kSignIn) {
            stopped = true;
            worker_->Cancel();
        }
    };
    Run();
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(browser_->securelySubmittedForms.empty());
    EXPECT_EQ(browser_->loads.back(), kSignIn);
    ExpectFailure(FailureLine(501));
}

// A main window that looks into the summary log when the end message arrives.
class LogCheckingWindow final : public MessageTarget {
public:
    explicit LogCheckingWindow(std::filesystem::path summary) : summary_(std::move(summary)) {}
    ~LogCheckingWindow() { WindowRegistry::Unregister(handle_); }

    void Post(const WindowMessage& message) override {
        if (static_cast<Kind>(message.wParam) != Kind::Detail) {
            summaryAtEnd = LogLines(summary_);
        }
    }

    WindowHandle handle_ = WindowRegistry::Register(*this);
    std::vector<std::string> summaryAtEnd;

private:
    std::filesystem::path summary_;
};

TEST_F(RetrievalWorkerTest, ResultIsLoggedBeforeTheEndMessageIsPosted) {
    LogCheckingWindow window(summary_.Path());
    RetrievalWorker worker(ComPtr<IBidscope>(site_), window.handle_, std::move(ownedBrowser_),
                           EngineLogs{details_, summary_, folder_.Path() / "AucPage.htm"});
    worker.Run();
    EXPECT_EQ(window.summaryAtEnd, std::vector<std::string>{kComplete});
}

struct SignInCase {
    const char* description;
    const char* signInPage;  // absent: the page cannot be loaded
    const char* submitTarget;
    bool offline;
    int code;  // 0: signed in
    const char* detail;

    friend void PrintTo(const SignInCase& c, std::ostream* out) { *out << c.description; }
};

class SignIn : public RetrievalWorkerTest, public testing::WithParamInterface<SignInCase> {};

TEST_P(SignIn, SignsInThroughTheSiteForm) {
    const SignInCase& scenario = GetParam();
    site_->signInUrl = kSignIn;
    site_->password = "secret";
    if (scenario.signInPage != nullptr) {
        browser_->pages[kSignIn] = scenario.signInPage;
    }
    browser_->pages["https://signin.test/welcome"] = "WELCOME";
    browser_->formTargets["SignInForm"] = scenario.submitTarget;
    if (scenario.offline) {
        browser_->onLoad = [this](const std::string& url) {
            browser_->connected = url == "about:blank";
        };
    }
    Run();

    EXPECT_EQ(Count("Requesting login"), 1);
    if (scenario.detail != nullptr) {
        EXPECT_EQ(Count(scenario.detail), 1);
    }
    if (scenario.code == 0) {
        EXPECT_EQ(browser_->fieldValues["userid"], "seller");
        EXPECT_EQ(browser_->fieldValues["pass"], "secret");
        EXPECT_EQ(Summary(), std::vector<std::string>{kComplete});
        EXPECT_EQ(browser_->loads.back(), kListing);
    } else {
        EXPECT_TRUE(site_->summaryPages.empty());
        ExpectFailure(FailureLine(scenario.code));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SignIn,
    testing::Values(
        SignInCase{"Accepted", "field:userid field:pass form:SignInForm",
                   "https://signin.test/welcome", false, 0, "Login request submitted"},
        SignInCase{"SamePageAgain", "field:userid field:pass form:SignInForm", kSignIn, false, 506,
                   "Login request submitted"},
        SignInCase{"NoUserField", "field:pass form:SignInForm", "https://signin.test/welcome",
                   false, 504, nullptr},
        SignInCase{"NoPage", nullptr, "https://signin.test/welcome", false, 504, nullptr},
        SignInCase{"NoPasswordField", "field:userid form:SignInForm", "https://signin.test/welcome",
                   false, 504, nullptr},
        SignInCase{"NoSignInForm", "field:userid field:pass form:Other",
                   "https://signin.test/welcome", false, 504,
                   "Could not submit request. Please notify support@norvelsoftware.example."},
        SignInCase{"AnswerNotLoaded", "field:userid field:pass form:SignInForm",
                   "https://signin.test/nowhere", false, 504, nullptr},
        SignInCase{"ActionOnTheListingHost", "field:userid field:pass form:SignInForm", kListing,
                   false, 0, "Login request submitted"},
        SignInCase{"ActionOnAnotherHost", "field:userid field:pass form:SignInForm",
                   "https://collector.test/welcome", false, 504,
                   "The sign-in form would send the password to https://collector.test:443, which "
                   "is not a server of the site (https://signin.test:443, https://list.test:443); "
                   "it was not sent"},
        SignInCase{"RejectedWhileOffline", "field:userid field:pass form:SignInForm", kSignIn, true,
                   505, nullptr}),
    [](const testing::TestParamInfo<SignInCase>& tested) { return tested.param.description; });

// A sign-in address that redirects: the site that does not take the sign-in
// shows the page the address led to again, and that is the rejection.
TEST_F(RetrievalWorkerTest, SignInRejectedOnTheRedirectedSignInPage) {
    const std::string reached = "https://signin.test/ws/login";
    site_->signInUrl = kSignIn;
    site_->password = "secret";
    browser_->pages[kSignIn] = "field:userid field:pass form:SignInForm";
    browser_->redirects[kSignIn] = reached;
    browser_->formTargets["SignInForm"] = reached;
    browser_->pages[reached] = "field:userid field:pass form:SignInForm";
    Run();
    EXPECT_EQ(Count("Login request submitted"), 1);
    EXPECT_TRUE(site_->summaryPages.empty());
    ExpectFailure(FailureLine(506));
}

// The sign-in page's redirects do not widen the servers the password may go
// to: its form may post to the sign-in address's own server, or the site's.
struct SignInRedirectCase {
    const char* description;
    const char* signInPage;  // where the sign-in address redirects to
    const char* action;      // where its form posts
    const char* server;      // the server of the action, as the details name it

    friend void PrintTo(const SignInRedirectCase& c, std::ostream* out) { *out << c.description; }
};

class SignInRedirect : public RetrievalWorkerTest,
                       public testing::WithParamInterface<SignInRedirectCase> {};

TEST_P(SignInRedirect, FormOfAnotherServerIsNotSubmitted) {
    const char* action = GetParam().action;
    site_->signInUrl = kSignIn;
    site_->password = "secret";
    browser_->pages[kSignIn] = "field:userid field:pass form:SignInForm";
    browser_->redirects[kSignIn] = GetParam().signInPage;
    browser_->formTargets["SignInForm"] = action;
    browser_->pages[action] = "STOLEN";
    Run();
    EXPECT_TRUE(browser_->securelySubmittedForms.empty());
    EXPECT_EQ(std::count(browser_->loads.begin(), browser_->loads.end(), action), 0);
    EXPECT_EQ(
        Count(std::string("The sign-in form would send the password to ") + GetParam().server +
              ", which is not a server of the site (https://signin.test:443, "
              "https://list.test:443); it was not sent"),
        1);
    ExpectFailure(FailureLine(504));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SignInRedirect,
    testing::Values(SignInRedirectCase{"AwayFromTheSite", "https://login.collector.example/ws",
                                       "https://login.collector.example/check",
                                       "https://login.collector.example:443"},
                    SignInRedirectCase{"WithinTheSite", "https://login.signin.test/ws",
                                       "https://signin.test.collector.example/ws",
                                       "https://signin.test.collector.example:443"}),
    [](const testing::TestParamInfo<SignInRedirectCase>& tested) {
        return tested.param.description;
    });

TEST_F(RetrievalWorkerTest, SignInPageLoadedThirdIsNotExamined) {
    site_->signInUrl = kSignIn;
    site_->password = "secret";
    browser_->pages[kSignIn] = "busy";
    int signInLoads = 0;
    browser_->onLoad = [&](const std::string& url) {
        if (url == kSignIn && ++signInLoads == 3) {
            browser_->pages[kSignIn] = "field:userid field:pass form:SignInForm";
        }
    };
    browser_->formTargets["SignInForm"] = "https://signin.test/welcome";
    browser_->pages["https://signin.test/welcome"] = "WELCOME";
    Run();
    EXPECT_EQ(signInLoads, 3);
    EXPECT_TRUE(browser_->fieldValues.empty());
    ExpectFailure(FailureLine(504));
}

TEST_F(RetrievalWorkerTest, SignInPageWithoutItsFormIsLoadedThreeTimes) {
    site_->signInUrl = kSignIn;
    site_->password = "secret";
    browser_->pages[kSignIn] = "<html>down for maintenance</html>";
    Run();
    EXPECT_EQ(std::count(browser_->loads.begin(), browser_->loads.end(), kSignIn), 3);
    EXPECT_EQ(SavedPage(), std::optional<std::string>("<html>down for maintenance</html>"));
    ExpectFailure(FailureLine(504));
}

struct AdultCase {
    const char* description;
    const char* adultPage;  // absent: the page cannot be loaded
    std::vector<std::string> submitted;
    const char* outcome;

    friend void PrintTo(const AdultCase& c, std::ostream* out) { *out << c.description; }
};

class AdultConsent : public RetrievalWorkerTest, public testing::WithParamInterface<AdultCase> {};

TEST_P(AdultConsent, IsTriedAndTheRetrievalGoesOnEitherWay) {
    site_->adultUrl = kAdult;
    if (GetParam().adultPage != nullptr) {
        browser_->pages[kAdult] = GetParam().adultPage;
    }
    browser_->pages["http://adult.test/ok"] = "OK";
    browser_->formTargets["AdultCheck"] = "http://adult.test/ok";
    browser_->formTargets[""] = "http://adult.test/ok";
    Run();
    EXPECT_EQ(Count("Requesting Adult Consent"), 1);
    EXPECT_EQ(Count(GetParam().outcome), 1);
    EXPECT_EQ(browser_->submittedForms, GetParam().submitted);
    EXPECT_EQ(Summary(), std::vector<std::string>{kComplete});
}

INSTANTIATE_TEST_SUITE_P(
    Pages, AdultConsent,
    testing::Values(
        AdultCase{"NamedForm", "form:AdultCheck", {"AdultCheck"}, "Adult consent successful"},
        AdultCase{"AnyForm", "form:Consent", {""}, "Adult consent successful"},
        AdultCase{
            "NoForm", "nothing to submit", {}, "Adult consent FAILED, but continuing anyways"},
        AdultCase{"NoPage", nullptr, {}, "Adult consent FAILED, but continuing anyways"}),
    [](const testing::TestParamInfo<AdultCase>& tested) { return tested.param.description; });

TEST(RetrievalStrings, FailureCodesHaveTheirTexts) {
    EXPECT_EQ(FailureCodeText(501), "The user canceled the login request.");
    EXPECT_EQ(FailureCodeText(505).substr(0, 26), "Unable to send a request. ");
    EXPECT_NE(FailureCodeText(503).find("support@norvelsoftware.example"), std::string::npos);
    EXPECT_NE(FailureCodeText(507).find("Web Browser.  Start your browser, select  'Tools"),
              std::string::npos);
    EXPECT_EQ(FailureCodeText(500), "Unknown failure. Number is: 500");
    EXPECT_EQ(FailureCodeText(508), "Unknown failure. Number is: 508");
    EXPECT_EQ(RetrievalStrings().Get(IDS_SUMMARY_LOG), "AucSummary.txt");
    EXPECT_EQ(RetrievalStrings().Get(IDS_DETAILS_LOG), "AucDetail.txt");
}

}  // namespace
}  // namespace gb::retrieval
