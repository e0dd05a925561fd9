#pragma once
// The component that reads and empties the two session logs of the process.

#include "interfaces/ISessionSummary.h"
#include "platform/ComObject.h"

namespace gb::retrieval {

class SessionSummary final : public gb::ComObject<ISessionSummary> {
public:
    // Copy at most lBuffSize - 1 bytes of the log from its start and a zero
    // after them; an empty log, a null buffer or a size of 0 leaves the buffer
    // alone. Later log lines still go to the end of the log.
    HRESULT GetDetails(char* sDetails, std::uint32_t lBuffSize) override;
    HRESULT GetSummary(char* sSummary, std::uint32_t lBuffSize) override;
    // Empties the details log, then the summary log. E_FAIL when one could not be emptied.
    HRESULT Reset() override;
};

}  // namespace gb::retrieval
