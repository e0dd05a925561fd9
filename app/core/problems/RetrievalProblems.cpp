#include "app/core/problems/RetrievalProblems.h"

#include <cstdint>
#include <vector>

#include "app/core/UiStrings.h"
#include "interfaces/ClassIds.h"
#include "interfaces/ISessionSummary.h"
#include "platform/ComPtr.h"
#include "platform/ComponentRuntime.h"

namespace gb::app {

namespace {

constexpr std::uint32_t kSummarySize = 4096;
constexpr std::uint32_t kDetailsSize = 8192;

// One log through `get`, up to its first NUL; empty when the call fails.
std::string ReadLog(ISessionSummary& logs, HRESULT (ISessionSummary::*get)(char*, std::uint32_t),
                    std::uint32_t size) {
    std::vector<char> buffer(size, '\0');
    if (gb::Failed((logs.*get)(buffer.data(), size))) {
        return {};
    }
    buffer.back() = '\0';
    return buffer.data();
}

std::string VersionLine() {
    return UiText(string_id::Version) + "\r\n";
}

}  // namespace

RetrievalProblems RetrievalProblems::Read() {
    gb::ComPtr<ISessionSummary> logs;
    if (gb::Succeeded(gb::CreateInstance(CLSID_SessionSummary, logs)) && logs) {
        return Read(*logs);
    }
    return {VersionLine(), VersionLine()};
}

RetrievalProblems RetrievalProblems::Read(ISessionSummary& logs) {
    return {VersionLine() + ReadLog(logs, &ISessionSummary::GetSummary, kSummarySize),
            VersionLine() + ReadLog(logs, &ISessionSummary::GetDetails, kDetailsSize)};
}

}  // namespace gb::app
