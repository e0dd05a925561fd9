#include "retrieval/WebSource.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "ScriptedSite.h"
#include "platform/MessageQueue.h"
#include "platform/Settings.h"
#include "retrieval/RetrievalSettings.h"
#include "retrieval/RetrievalStrings.h"
#include "retrieval/SessionSummary.h"

namespace gb::retrieval {
namespace {

using namespace std::chrono_literals;
using Kind = RetrievalNotifyKind;

IUnknown* AsUnknown(IBidscope* site) {
    return site;
}

class WebSourceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(summary_->Reset(), S_OK);
        server_.Routes().Get("/list", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("LISTING", "text/html");
        });
        server_.Routes().Get("/buyer",
                             [this](const httplib::Request&, httplib::Response& response) {
                                 arrived_.Raise();
                                 if (hang_) {
                                     release_.Wait();
                                 }
                                 response.set_content("BUYER", "text/html");
                             });
        server_.Start();
        site_->pages = {test::ScriptedListingPage{
            server_.Url("/list"), {S_OK}, {server_.Url("/buyer")}, false}};
    }

    void TearDown() override {
        release_.Raise();
        Settings::CurrentUser().DeleteKey(std::string(kApplicationKey) + "\\" + kRetrievalSection);
    }

    void Start() {
        ASSERT_EQ(source_->ObtainData(AsUnknown(site_.Get()), window_.Handle()), S_OK);
        ASSERT_EQ(source_->StartRetrieval(), S_OK);
    }

    // The kind of the next end message, waiting for it.
    std::optional<Kind> WaitForEnd() {
        while (auto message = window_.WaitFor(60s)) {
            if (static_cast<Kind>(message->wParam) != Kind::Detail) {
                return static_cast<Kind>(message->wParam);
            }
        }
        return std::nullopt;
    }

    int EndsLeft() {
        int ends = 0;
        while (auto message = window_.TryTake()) {
            ends += static_cast<Kind>(message->wParam) != Kind::Detail ? 1 : 0;
        }
        return ends;
    }

    std::string Summary() {
        std::vector<char> buffer(4096, '\0');
        EXPECT_EQ(summary_->GetSummary(buffer.data(), 4096), S_OK);
        return buffer.data();
    }

    // The server's threads answer through these: they go after the server.
    test::Signal arrived_;
    test::Signal release_;
    std::atomic<bool> hang_{false};
    test::LoopbackServer server_;
    MessageQueue window_;
    ComPtr<test::ScriptedSite> site_ = test::ScriptedSite::Make();
    ComPtr<WebSource> source_ = MakeObject<WebSource>();
    ComPtr<SessionSummary> summary_ = MakeObject<SessionSummary>();
};

TEST_F(WebSourceTest, RunsTheRetrievalOnItsOwnThreadAndPostsOneEnd) {
    Start();
    EXPECT_EQ(WaitForEnd(), std::optional<Kind>(Kind::Success));
    EXPECT_EQ(Summary(), "Update Complete for site 1: eBay USA:seller\r\n");
    source_.Reset();  // waits for the worker's last steps
    EXPECT_EQ(EndsLeft(), 0);
    EXPECT_EQ(site_->parsedRows, std::vector<std::string>{"BUYER"});
    EXPECT_EQ(site_->summaryPages, std::vector<std::string>{"LISTING"});
}

TEST_F(WebSourceTest, ReleaseWhileLoadingCancelsAndJoinsTheWorker) {
    hang_ = true;
    Start();
    ASSERT_TRUE(arrived_.Wait());
    source_.Reset();
    // The worker has ended: its one end message is there, and only the test
    // still holds the site object.
    std::vector<Kind> ends;
    while (auto message = window_.TryTake()) {
        if (static_cast<Kind>(message->wParam) != Kind::Detail) {
            ends.push_back(static_cast<Kind>(message->wParam));
        }
    }
    EXPECT_EQ(ends, std::vector<Kind>{Kind::Failure});
    EXPECT_EQ(Summary(), "Failure on site 1: " + FailureCodeText(501) + "\r\n");
    EXPECT_EQ(site_->AddRef(), 2u);
    site_->Release();
}

TEST_F(WebSourceTest, StalledPageTimesOutAtTheConfiguredLimitAndFails) {
    ASSERT_TRUE(Settings::CurrentUser().SetNumber(
        std::string(kApplicationKey) + "\\" + kRetrievalSection, "StallTimeout", 10));
    hang_ = true;
    Start();
    EXPECT_EQ(WaitForEnd(), std::optional<Kind>(Kind::Failure));
    EXPECT_EQ(Summary(), "Failure on site 1: " + FailureCodeText(503) + "\r\n");
}

TEST_F(WebSourceTest, ListingServerThatCannotBeReachedFailsWith505AtOnce) {
    test::ClosedPort closed;
    site_->pages[0].url = closed.Url();
    Start();
    EXPECT_EQ(WaitForEnd(), std::optional<Kind>(Kind::Failure));
    EXPECT_EQ(Summary(), "Failure on site 1: " + FailureCodeText(505) + "\r\n");
    EXPECT_TRUE(site_->summaryPages.empty());
    std::vector<char> details(64 * 1024, '\0');
    ASSERT_EQ(summary_->GetDetails(details.data(), static_cast<std::uint32_t>(details.size())),
              S_OK);
    EXPECT_EQ(std::string(details.data()).find("retrying page"), std::string::npos);
}

TEST_F(WebSourceTest, RefusesMisuse) {
    IUnknown* held = reinterpret_cast<IUnknown*>(0x1);
    EXPECT_EQ(source_->GetDataInterface(&held), S_OK);
    EXPECT_EQ(held, nullptr);
    EXPECT_EQ(source_->GetDataInterface(nullptr), E_POINTER);
    EXPECT_EQ(source_->StartRetrieval(), E_FAIL);
    EXPECT_EQ(source_->ObtainData(nullptr, window_.Handle()), E_POINTER);

    // An object that is no site.
    ASSERT_EQ(source_->ObtainData(static_cast<ISessionSummary*>(summary_.Get()), 0), S_OK);
    EXPECT_EQ(source_->StartRetrieval(), E_NOINTERFACE);

    Start();
    EXPECT_EQ(source_->GetDataInterface(&held), S_OK);
    EXPECT_EQ(held, AsUnknown(site_.Get()));
    EXPECT_EQ(source_->StartRetrieval(), E_FAIL);  // one retrieval per object
    EXPECT_EQ(source_->ObtainData(AsUnknown(site_.Get()), 0), E_FAIL);
    EXPECT_EQ(WaitForEnd(), std::optional<Kind>(Kind::Success));
}

TEST_F(WebSourceTest, SummaryReadsAtMostOneLessThanTheBufferAndResetEmptiesBoth) {
    Start();
    ASSERT_EQ(WaitForEnd(), std::optional<Kind>(Kind::Success));
    source_.Reset();

    std::array<char, 9> buffer;
    buffer.fill('#');
    EXPECT_EQ(summary_->GetSummary(buffer.data(), 9), S_OK);
    EXPECT_EQ(std::string(buffer.data()), "Update C");
    buffer.fill('#');
    EXPECT_EQ(summary_->GetDetails(buffer.data(), 9), S_OK);
    EXPECT_EQ(std::string(buffer.data()), "Starting");
    EXPECT_EQ(summary_->GetDetails(nullptr, 9), S_OK);
    EXPECT_EQ(summary_->GetDetails(buffer.data(), 0), S_OK);

    EXPECT_EQ(summary_->Reset(), S_OK);
    buffer.fill('#');
    EXPECT_EQ(summary_->GetDetails(buffer.data(), 9), S_OK);
    EXPECT_EQ(summary_->GetSummary(buffer.data(), 9), S_OK);
    EXPECT_EQ(std::string(buffer.data(), 9), "#########");
}

}  // namespace
}  // namespace gb::retrieval
