#pragma once
// An event sink for the component tests: records every total it is told.

#include <functional>
#include <vector>

#include "platform/ComObject.h"
#include "tests/platform/testcomponent/TestComponent.h"

namespace gb::testing {

class RecordingSink final : public ComObject<ITestCounterEvents> {
public:
    HRESULT Changed(std::int32_t total) override {
        totals.push_back(total);
        return onChanged ? onChanged() : result;
    }

    std::vector<std::int32_t> totals;
    HRESULT result = S_OK;
    // Runs inside Changed when set; its result is Changed's result.
    std::function<HRESULT()> onChanged;
};

}  // namespace gb::testing
