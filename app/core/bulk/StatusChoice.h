#pragma once
// The statuses a bulk update offers: "Needs Attention", then the profile's
// status folders in tree order; the page suggests the status after the
// current one.

#include <cstdint>
#include <string>
#include <vector>

namespace gb::itemdb {
class CFolderTree;
}

namespace gb::app {

struct StatusChoice {
    std::int32_t id = 0;
    std::string name;

    bool operator==(const StatusChoice&) const = default;
};

std::vector<StatusChoice> StatusChoices(const gb::itemdb::CFolderTree& folders);

// The entry after the one holding `current`; the last one when that is the
// last; the first when none holds it.
int SuggestedStatusIndex(const std::vector<StatusChoice>& choices, std::int32_t current);

}  // namespace gb::app
