#pragma once
// The retrieval library's process-wide state: the two session logs in the
// per-user state folder, opened on first use and kept open until the process
// ends, shared by every worker and every SessionSummary object.

#include <filesystem>

#include "retrieval/EngineLogs.h"
#include "retrieval/SessionLog.h"

namespace gb::retrieval {

class CRetrievalApp {
public:
    static CRetrievalApp& Instance();

    SessionLog& DetailsLog() { return details_; }
    SessionLog& SummaryLog() { return summary_; }
    // The logs and "AucPage.htm" beside them.
    EngineLogs Logs();

    CRetrievalApp(const CRetrievalApp&) = delete;
    CRetrievalApp& operator=(const CRetrievalApp&) = delete;

private:
    explicit CRetrievalApp(const std::filesystem::path& folder);

    std::filesystem::path folder_;
    SessionLog details_;
    SessionLog summary_;
};

}  // namespace gb::retrieval
