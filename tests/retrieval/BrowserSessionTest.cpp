#include "retrieval/browser/BrowserSession.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "EmulatorCertificates.h"
#include "LoopbackServer.h"

namespace gb::retrieval {
namespace {

using namespace std::chrono_literals;
using test::LoopbackServer;
using test::Signal;

constexpr char kHtml[] = "text/html; charset=ISO-8859-1";

// Limits that no test reaches unless it means to.
BrowserSession::Options Patient() {
    BrowserSession::Options options;
    options.limits.connect = 10s;
    options.limits.stall = 20s;
    options.limits.overall = 30s;
    return options;
}

// What the server saw of one request.
struct Seen {
    std::mutex mutex;
    std::string method, path, body, contentType, referer, cookie;
    int requests = 0;

    void Record(const httplib::Request& request) {
        std::lock_guard lock(mutex);
        method = request.method;
        path = request.path;
        body = request.body;
        contentType = request.get_header_value("Content-Type");
        referer = request.get_header_value("Referer");
        cookie = request.get_header_value("Cookie");
        ++requests;
    }
};

TEST(BrowserSession, BlankPageNeedsNoServer) {
    BrowserSession session(Patient());
    EXPECT_EQ(session.PageHtml(), std::nullopt);
    ASSERT_TRUE(session.Navigate("about:blank"));
    EXPECT_EQ(session.LocationUrl(), "about:blank");
    EXPECT_EQ(session.PageHtml(), std::optional<std::string>(""));
    EXPECT_TRUE(session.IsConnected());
}

TEST(BrowserSession, RedirectChainEndsAtTheLastLocationWithItsCookie) {
    LoopbackServer server;
    server.Routes().Get("/start", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/hop");
    });
    server.Routes().Get("/hop", [&](const httplib::Request&, httplib::Response& response) {
        response.set_header("Set-Cookie", "session=abc123; Path=/");
        response.set_redirect(server.Url("/end?x=1"), 301);
    });
    server.Routes().Get("/end", [](const httplib::Request& request, httplib::Response& response) {
        response.set_content("cookie:" + request.get_header_value("Cookie"), kHtml);
    });
    server.Start();

    BrowserSession session(Patient());
    ASSERT_TRUE(session.Navigate(server.Url("/start")));
    EXPECT_EQ(session.LocationUrl(), server.Url("/end?x=1"));
    EXPECT_EQ(session.PageHtml(), std::optional<std::string>("cookie:session=abc123"));

    // The jar lives as long as the session, and only there.
    ASSERT_TRUE(session.Navigate(server.Url("/end")));
    EXPECT_EQ(session.PageHtml(), std::optional<std::string>("cookie:session=abc123"));
    BrowserSession fresh(Patient());
    ASSERT_TRUE(fresh.Navigate(server.Url("/end")));
    EXPECT_EQ(fresh.PageHtml(), std::optional<std::string>("cookie:"));
}

TEST(BrowserSession, ErrorPageIsStillADocument) {
    LoopbackServer server;
    server.Routes().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("<h1>Not here</h1>", kHtml);
    });
    server.Start();
    BrowserSession session(Patient());
    ASSERT_TRUE(session.Navigate(server.Url("/missing")));
    EXPECT_EQ(session.PageHtml(), std::optional<std::string>("<h1>Not here</h1>"));
}

TEST(BrowserSession, Utf8PageBecomesWindows1252CutAtTheFirstZero) {
    LoopbackServer server;
    server.Routes().Get("/utf8", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(std::string("caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD\0tail", 17),
                             "text/html; charset=utf-8");
    });
    server.Routes().Get("/latin", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("caf\xE9", "text/html");
    });
    server.Start();
    BrowserSession session(Patient());
    ASSERT_TRUE(session.Navigate(server.Url("/utf8")));
    EXPECT_EQ(session.PageHtml(), std::optional<std::string>("caf\xE9 \x80 &#20013;"));
    ASSERT_TRUE(session.Navigate(server.Url("/latin")));
    EXPECT_EQ(session.PageHtml(), std::optional<std::string>("caf\xE9"));
}

TEST(BrowserSession, ReportsProgressWhileAPageArrives) {
    LoopbackServer server;
    server.Routes().Get("/page", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(std::string(100000, 'x'), kHtml);
    });
    server.Start();
    BrowserSession session(Patient());
    int ticks = 0;
    session.SetProgressHandler([&] { ++ticks; });
    ASSERT_TRUE(session.Navigate(server.Url("/page")));
    EXPECT_GT(ticks, 0);
}

// The progress limit runs from the last whole page: a session whose pages
// keep arriving whole goes on for as long as it likes.
TEST(BrowserSession, EveryWholePageRestartsTheProgressLimit) {
    LoopbackServer server;
    server.Routes().Get("/page", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("whole", kHtml);
    });
    server.Start();
    BrowserSession::Options options = Patient();
    options.limits.progress = 1s;
    BrowserSession session(options);
    // Page after page, until the limit has passed three times over since the
    // session began.
    const auto begun = std::chrono::steady_clock::now();
    int pages = 0;
    while (std::chrono::steady_clock::now() - begun < 3 * options.limits.progress) {
        ASSERT_TRUE(session.Navigate(server.Url("/page"))) << "page " << pages;
        ++pages;
    }
}

TEST(BrowserSession, RefusesOversizedPagesAndOtherSchemes) {
    LoopbackServer server;
    server.Routes().Get("/big", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(std::string(5000, 'x'), kHtml);
    });
    server.Start();
    BrowserSession::Options options = Patient();
    options.limits.maxBodyBytes = 1000;
    BrowserSession session(options);
    EXPECT_FALSE(session.Navigate(server.Url("/big")));
    EXPECT_EQ(session.PageHtml(), std::nullopt);
    EXPECT_FALSE(session.Navigate("file:///etc/hostname"));
    EXPECT_FALSE(session.Navigate("not a url"));
    EXPECT_TRUE(session.IsConnected());
}

TEST(BrowserSession, UnreachableSiteIsNotConnectedUntilAPageLoads) {
    test::ClosedPort closed;
    LoopbackServer server;
    server.Routes().Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("up", kHtml);
    });
    server.Start();
    BrowserSession session(Patient());
    EXPECT_FALSE(session.Navigate(closed.Url()));
    EXPECT_FALSE(session.IsConnected());
    ASSERT_TRUE(session.Navigate(server.Url("/")));
    EXPECT_TRUE(session.IsConnected());
}

TEST(BrowserSession, ConnectionTestReachesTheServerWithoutLoadingAPage) {
    test::ClosedPort closed;
    LoopbackServer server;
    std::atomic<int> requests{0};
    server.Routes().Get("/", [&](const httplib::Request&, httplib::Response& response) {
        ++requests;
        response.set_content("up", kHtml);
    });
    server.Start();
    BrowserSession session(Patient());
    EXPECT_FALSE(session.TestConnection(closed.Url()));
    EXPECT_FALSE(session.IsConnected());
    EXPECT_TRUE(session.TestConnection(server.Url("/")));
    EXPECT_TRUE(session.IsConnected());
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(session.PageHtml(), std::nullopt);
}

TEST(BrowserSession, HttpsIsVerifiedAgainstTheTrustedCertificates) {
    emulator::EmulatorCertificates certificates;
    LoopbackServer server(certificates);
    server.Routes().Get("/secure", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("secret", kHtml);
    });
    server.Start();

    BrowserSession::Options trusting = Patient();
    trusting.extraCaFile = certificates.AuthorityFile();
    BrowserSession withCa(trusting);
    ASSERT_TRUE(withCa.Navigate(server.Url("/secure")));
    EXPECT_EQ(withCa.PageHtml(), std::optional<std::string>("secret"));

    BrowserSession withoutCa(Patient());
    EXPECT_FALSE(withoutCa.Navigate(server.Url("/secure")));
    EXPECT_EQ(withoutCa.PageHtml(), std::nullopt);
    EXPECT_TRUE(withoutCa.IsConnected());
}

// A server whose answer to /hang starts and then stops until the test lets it go.
class HangingServer : public testing::Test {
protected:
    void SetUp() override {
        server_.Routes().Get("/hang", [this](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider("text/html",
                                                  [this](std::size_t, httplib::DataSink& sink) {
                                                      sink.write("<html>", 6);
                                                      arrived_.Raise();
                                                      release_.Wait();
                                                      sink.done();
                                                      return true;
                                                  });
        });
        server_.Routes().Get("/trickle",
                             [this](const httplib::Request&, httplib::Response& response) {
                                 response.set_chunked_content_provider(
                                     "text/html", [this](std::size_t, httplib::DataSink& sink) {
                                         sink.write("x", 1);
                                         if (release_.Wait(50ms)) {
                                             sink.done();
                                         }
                                         return true;
                                     });
                             });
        server_.Start();
    }
    void TearDown() override { release_.Raise(); }

    // The server's threads answer through these: they go after the server.
    Signal arrived_;
    Signal release_;
    LoopbackServer server_;
};

TEST_F(HangingServer, StalledAnswerFailsAtTheStallLimit) {
    BrowserSession::Options options = Patient();
    options.limits.stall = 300ms;
    BrowserSession session(options);
    // Without the stall limit the answer would end only when the test releases it.
    EXPECT_FALSE(session.Navigate(server_.Url("/hang")));
    EXPECT_EQ(session.PageHtml(), std::nullopt);
    EXPECT_TRUE(session.IsConnected());
}

TEST_F(HangingServer, TricklingAnswerFailsAtTheOverallLimit) {
    BrowserSession::Options options = Patient();
    options.limits.overall = 500ms;
    BrowserSession session(options);
    EXPECT_FALSE(session.Navigate(server_.Url("/trickle")));
}

TEST_F(HangingServer, CancelFromAnotherThreadAbortsTheHangingLoad) {
    BrowserSession session(Patient());
    std::thread canceller([&] {
        ASSERT_TRUE(arrived_.Wait());
        session.Cancel();
    });
    // The answer hangs until the test ends and no limit is near: only the
    // cancel ends the load.
    EXPECT_FALSE(session.Navigate(server_.Url("/hang")));
    canceller.join();
    EXPECT_EQ(session.FailureReason(), "cancelled");
    // A cancelled session loads nothing more.
    EXPECT_FALSE(session.Navigate(server_.Url("/trickle")));
}

// A sign-in page of the old kind: the form opens inside a table and holds
// hidden fields, a checkbox, a select and an upper-case submit type.
constexpr char kSignInPage[] =
    "<html><head><title>Sign In</title></head><body>\n"
    "<table width=100%><form name=\"SignInForm\" method=\"POST\" action=\"/ws/signin.dll\">\n"
    "<tr><td><input type=\"hidden\" name=\"MfcISAPICommand\" value=\"SignInWelcome\">\n"
    "<input type=hidden name=\"co_partnerId\" value=\"2\"></td></tr>\n"
    "<tr><td>User ID <input type=\"text\" name=\"userid\" size=\"20\"></td></tr>\n"
    "<tr><td>Password <input type=\"password\" name=\"pass\" size=\"20\"></td></tr>\n"
    "<tr><td><input type=\"checkbox\" name=\"keepMe\" value=\"1\" checked>\n"
    "<input type=\"checkbox\" name=\"notMe\" value=\"1\"></td></tr>\n"
    "<tr><td><select name=\"siteid\"><option value=\"0\">US<option value=\"3\" selected>UK"
    "</select></td></tr>\n"
    "<tr><td><input type=\"SUBMIT\" name=\"sgnBt\" value=\"Sign in\">\n"
    "<input type=\"submit\" name=\"other\" value=\"Other\"></td></tr>\n"
    "</form></table>\n"
    "<form name=\"Search\" action=\"/search\"><input name=\"q\"><input type=submit></form>\n"
    "</body></html>";

class SignInSite : public testing::Test {
protected:
    void SetUp() override {
        server_.Routes().Get("/signin", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(kSignInPage, kHtml);
        });
        server_.Routes().Post("/ws/signin.dll",
                              [this](const httplib::Request& request, httplib::Response& response) {
                                  seen_.Record(request);
                                  response.set_header("Set-Cookie", "signedin=yes; Path=/");
                                  response.set_redirect("/welcome", 302);
                              });
        server_.Routes().Get("/welcome",
                             [this](const httplib::Request& request, httplib::Response& response) {
                                 welcome_.Record(request);
                                 response.set_content("Welcome", kHtml);
                             });
        server_.Start();
    }

    LoopbackServer server_;
    Seen seen_;
    Seen welcome_;
    BrowserSession session_{Patient()};
};

TEST_F(SignInSite, PostsTheExactFormBodyWithRefererAndFollowsTheRedirect) {
    ASSERT_TRUE(session_.Navigate(server_.Url("/signin")));
    ASSERT_TRUE(session_.SetFieldValue("userid", 0, "seller one"));
    ASSERT_TRUE(session_.SetFieldValue("pass", 0, "p&ss=w\xF6rd+"));
    ASSERT_TRUE(session_.SubmitForm("SignInForm", 0));

    EXPECT_EQ(seen_.requests, 1);
    EXPECT_EQ(seen_.method, "POST");
    EXPECT_EQ(seen_.contentType, "application/x-www-form-urlencoded");
    EXPECT_EQ(seen_.body,
              "MfcISAPICommand=SignInWelcome&co_partnerId=2&userid=seller+one"
              "&pass=p%26ss%3Dw%F6rd%2B&keepMe=1&siteid=3&sgnBt=Sign+in");
    EXPECT_EQ(seen_.referer, server_.Url("/signin"));
    EXPECT_EQ(welcome_.method, "GET");
    EXPECT_EQ(welcome_.cookie, "signedin=yes");
    EXPECT_EQ(session_.LocationUrl(), server_.Url("/welcome"));
    EXPECT_EQ(session_.PageHtml(), std::optional<std::string>("Welcome"));
}

TEST_F(SignInSite, MissingFieldsAndFormsFailWithoutSending) {
    EXPECT_FALSE(session_.SetFieldValue("userid", 0, "x"));  // no page yet
    EXPECT_FALSE(session_.SubmitForm("SignInForm", 0));
    ASSERT_TRUE(session_.Navigate(server_.Url("/signin")));
    EXPECT_FALSE(session_.SetFieldValue("userid", 1, "x"));
    EXPECT_FALSE(session_.SetFieldValue("nobody", 0, "x"));
    EXPECT_FALSE(session_.SubmitForm("SignInForm", 1));
    EXPECT_FALSE(session_.SubmitForm("NoSuchForm", 0));
    EXPECT_EQ(seen_.requests, 0);
}

TEST(BrowserSession, FormWithoutSubmitInputIsNotSubmitted) {
    LoopbackServer server;
    Seen seen;
    server.Routes().Get("/form", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(
            "<form name=f action=/target><input name=a><button type=submit>Go</button>"
            "<input type=submit disabled></form>",
            kHtml);
    });
    server.Routes().Get("/target", [&](const httplib::Request& request, httplib::Response&) {
        seen.Record(request);
    });
    server.Start();
    BrowserSession session(Patient());
    ASSERT_TRUE(session.Navigate(server.Url("/form")));
    EXPECT_FALSE(session.SubmitForm("f", 0));
    EXPECT_EQ(seen.requests, 0);
}

TEST(BrowserSession, GetFormGoesToTheBaseRelativeActionWithItsQuery) {
    LoopbackServer server;
    Seen seen;
    server.Routes().Get("/page", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(
            "<base href=\"/sub/\"><form action=\"find?old=1\"><input name=q value=\"a b\">"
            "<input type=submit name=go value=Go></form>",
            kHtml);
    });
    server.Routes().Get("/sub/find", [&](const httplib::Request& request,
                                         httplib::Response& response) {
        seen.Record(request);
        response.set_content(request.get_param_value("q") + "|" + request.get_param_value("go") +
                                 "|" + request.get_param_value("old"),
                             kHtml);
    });
    server.Start();
    BrowserSession session(Patient());
    ASSERT_TRUE(session.Navigate(server.Url("/page")));
    ASSERT_TRUE(session.SubmitForm("", 0));
    EXPECT_EQ(seen.requests, 1);
    EXPECT_EQ(session.LocationUrl(), server.Url("/sub/find?q=a+b&go=Go"));
    EXPECT_EQ(session.PageHtml(), std::optional<std::string>("a b|Go|"));
}

// A form sent securely goes over https only, to the site's servers only: a
// redirect that keeps the body (307) is followed to the same server alone, any
// other goes on as a GET without it.
struct SecureRedirectCase {
    const char* name;
    int status;
    const char* target;  // where the redirect points: "secure", "plain", "other-port"
    bool submitted;
    const char* afterMethod;  // what the redirect's target saw; empty: nothing
    const char* afterBody;
};

TEST(BrowserSession, SecurelySubmittedFormSendsItsBodyOverHttpsOnly) {
    const SecureRedirectCase cases[] = {
        {"SeeOtherToHttp", 302, "plain", true, "GET", ""},
        {"KeepBodyToHttp", 307, "plain", false, "", ""},
        {"KeepBodyToHttps", 307, "secure", true, "POST", "pass=secret"},
        {"KeepBodyToAnotherPort", 307, "other-port", false, "", ""},
        {"SeeOtherToAnotherPort", 303, "other-port", true, "GET", ""},
        {"KeepBodyPermanentlyToHttps", 308, "secure", true, "POST", "pass=secret"},
        {"KeepBodyPermanentlyToHttp", 308, "plain", false, "", ""},
    };
    emulator::EmulatorCertificates certificates;
    for (const SecureRedirectCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer secure(certificates);
        LoopbackServer plain;
        LoopbackServer otherPort(certificates);
        const std::map<std::string_view, LoopbackServer*> targets = {
            {"secure", &secure}, {"plain", &plain}, {"other-port", &otherPort}};
        Seen after;
        const auto record = [&after](const httplib::Request& request, httplib::Response& response) {
            after.Record(request);
            response.set_content("After", kHtml);
        };
        for (LoopbackServer* server : {&secure, &plain, &otherPort}) {
            server->Routes().Get("/after", record);
            server->Routes().Post("/after", record);
        }
        secure.Routes().Get("/signin", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(
                "<form name=SignInForm method=post action=/check><input name=pass>"
                "<input type=submit></form>",
                kHtml);
        });
        secure.Routes().Post("/check", [&](const httplib::Request&, httplib::Response& response) {
            response.set_redirect(targets.at(c.target)->Url("/after"), c.status);
        });
        secure.Start();
        plain.Start();
        otherPort.Start();

        BrowserSession::Options options = Patient();
        options.extraCaFile = certificates.AuthorityFile();
        BrowserSession session(options);
        ASSERT_TRUE(session.Navigate(secure.Url("/signin")));
        ASSERT_TRUE(session.SetFieldValue("pass", 0, "secret"));
        const PasswordRecipients site({secure.Url("/signin")});
        EXPECT_EQ(session.SubmitFormSecurely("SignInForm", 0, site), c.submitted);
        EXPECT_EQ(session.FailureReason().empty(), c.submitted) << session.FailureReason();
        EXPECT_EQ(after.method, c.afterMethod);
        EXPECT_EQ(after.body, c.afterBody);
    }
}

}  // namespace
}  // namespace gb::retrieval
