#pragma once
// Read and reset access to the two session logs of the retrievals.

#include <cstdint>

#include "platform/Unknown.h"

struct ISessionSummary : IUnknown {
    static constexpr gb::Guid kIid = gb::Guid::Literal("{2FF1B728-0794-43B9-A543-1935499C9416}");

    // Copies at most lBuffSize - 1 bytes of the details log from its start.
    virtual HRESULT GetDetails(char* sDetails, std::uint32_t lBuffSize) = 0;
    // The same for the summary log.
    virtual HRESULT GetSummary(char* sSummary, std::uint32_t lBuffSize) = 0;
    // Empties both logs.
    virtual HRESULT Reset() = 0;

protected:
    ~ISessionSummary() = default;
};
