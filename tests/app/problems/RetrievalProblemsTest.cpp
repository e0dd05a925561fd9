// What the user is shown after an update run in which a retrieval failed: the
// session's summary and details logs behind the version line.

#include "app/core/problems/RetrievalProblems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "interfaces/ISessionSummary.h"

namespace {

// Logs of fixed texts; copies as the retrieval engine does (at most the
// buffer's size - 1 bytes) and records the sizes it was given.
class FakeLogs final : public ISessionSummary {
public:
    HRESULT QueryInterface(const gb::Guid&, void**) override { return E_NOINTERFACE; }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }

    HRESULT GetDetails(char* buffer, std::uint32_t size) override {
        detailsSize = size;
        return Copy(details, buffer, size, detailsFail);
    }
    HRESULT GetSummary(char* buffer, std::uint32_t size) override {
        summarySize = size;
        return Copy(summary, buffer, size, false);
    }
    HRESULT Reset() override { return S_OK; }

    std::string summary;
    std::string details;
    bool detailsFail = false;
    std::uint32_t summarySize = 0;
    std::uint32_t detailsSize = 0;

private:
    static HRESULT Copy(const std::string& text, char* buffer, std::uint32_t size, bool fail) {
        if (fail) {
            // A failing call may leave anything behind.
            std::memset(buffer, 'x', size);
            return E_FAIL;
        }
        const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
        return S_OK;
    }
};

TEST(RetrievalProblemsTest, BothLogsFollowTheVersionLine) {
    FakeLogs logs;
    logs.summary = "walt: sign-in failed";
    logs.details = "GET https://signin.example/\r\nHTTP 500";
    const gb::app::RetrievalProblems problems = gb::app::RetrievalProblems::Read(logs);
    EXPECT_EQ(problems.summary, "Version 1.98\r\nwalt: sign-in failed");
    EXPECT_EQ(problems.details, "Version 1.98\r\nGET https://signin.example/\r\nHTTP 500");
}

TEST(RetrievalProblemsTest, TheSummaryHoldsUpTo4095BytesAndTheDetailsUpTo8191) {
    FakeLogs logs;
    logs.summary = std::string(5000, 's');
    logs.details = std::string(9000, 'd');
    const gb::app::RetrievalProblems problems = gb::app::RetrievalProblems::Read(logs);
    EXPECT_EQ(logs.summarySize, 4096u);
    EXPECT_EQ(logs.detailsSize, 8192u);
    EXPECT_EQ(problems.summary, "Version 1.98\r\n" + std::string(4095, 's'));
    EXPECT_EQ(problems.details, "Version 1.98\r\n" + std::string(8191, 'd'));
}

TEST(RetrievalProblemsTest, ALogThatCannotBeReadShowsNothingOfTheBuffer) {
    FakeLogs logs;
    logs.summary = "ended";
    logs.detailsFail = true;
    const gb::app::RetrievalProblems problems = gb::app::RetrievalProblems::Read(logs);
    EXPECT_EQ(problems.summary, "Version 1.98\r\nended");
    EXPECT_EQ(problems.details, "Version 1.98\r\n");
}

}  // namespace
