#include "platform/MoneySum.h"

namespace gb {

Money SumOfValid(std::initializer_list<Money> amounts) {
    Money sum;
    for (const Money& amount : amounts) {
        if (amount.IsValid()) {
            sum += amount;
        }
    }
    return sum;
}

}  // namespace gb
