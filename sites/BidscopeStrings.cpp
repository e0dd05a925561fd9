#include "sites/BidscopeStrings.h"

namespace gb {

const StringTable& BidscopeStrings() {
    static const StringTable table{
        {IDS_UNKNOWN, "Unknown"},
    };
    return table;
}

}  // namespace gb
