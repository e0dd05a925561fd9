#include "sites/BidscopeStrings.h"

namespace gb::sites {

const StringTable& BidscopeStrings() {
    static const StringTable table{
        {IDS_UNKNOWN, "Unknown"},
    };
    return table;
}

}  // namespace gb::sites
