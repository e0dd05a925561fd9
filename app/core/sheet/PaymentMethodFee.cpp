#include "app/core/sheet/PaymentMethodFee.h"

namespace gb::app {

std::optional<std::string> PaymentMethodFee(itemdb::CFeeSchedule& fees,
                                            const itemdb::CAucItem& item, std::string_view method) {
    if (method.empty()) {
        return std::nullopt;
    }
    using itemdb::fee_type::TransactionFee;
    for (bool more = fees.MoveFirst(TransactionFee); more; more = fees.MoveNext(TransactionFee)) {
        if (fees.IsActive() && fees.GetName() == method) {
            fees.SetItem(item);
            std::string text;
            fees.Calculate(text);
            return text;
        }
    }
    return std::nullopt;
}

}  // namespace gb::app
