#pragma once
// The retrieval library's process-wide state: the two session logs in the
// per-user state folder, opened on first use and kept open until the process
// ends, shared by every worker and every SessionSummary object.

#include <filesystem>

#include "retrieval/EngineLogs.h"
#include "retrieval/SessionLog.h"

class CRetrievalApp {
public:
    static CRetrievalApp& Instance();

    gb::SessionLog& DetailsLog() { return details_; }
    gb::SessionLog& SummaryLog() { return summary_; }
    // The logs and "AucPage.htm" beside them.
    gb::EngineLogs Logs();

    CRetrievalApp(const CRetrievalApp&) = delete;
    CRetrievalApp& operator=(const CRetrievalApp&) = delete;

private:
    explicit CRetrievalApp(const std::filesystem::path& folder);

    std::filesystem::path folder_;
    gb::SessionLog details_;
    gb::SessionLog summary_;
};
