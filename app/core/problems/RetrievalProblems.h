#pragma once
// What the retrievals logged during an update run, shown to the user after a
// run in which one of them failed: the session's summary log and its details
// log, each after the program's version line.

#include <string>

struct ISessionSummary;

namespace gb::app {

struct RetrievalProblems {
    std::string summary;
    std::string details;

    // Reads the logs through a session summary of the retrieval engine; only
    // the version lines when none can be created.
    static RetrievalProblems Read();
    static RetrievalProblems Read(ISessionSummary& logs);
};

}  // namespace gb::app
