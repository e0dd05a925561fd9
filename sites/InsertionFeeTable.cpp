#include "sites/InsertionFeeTable.h"

namespace gb::sites {

Money InsertionFeeTable::Fee(const Money& price) const {
    if (flatFee) {
        return *flatFee;
    }
    Money fee;
    for (const FeeThreshold& threshold : thresholds) {
        if (price >= threshold.from) {
            fee = threshold.fee;
        }
    }
    return fee;
}

}  // namespace gb::sites
