#include "template_editor/core/FieldTokens.h"

#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/LotkeeperStrings.h"

namespace gb::editor {

std::vector<std::string> FieldNames(gb::itemdb::CFeeSchedule& schedule) {
    namespace field = gb::itemdb::field;
    namespace fee_type = gb::itemdb::fee_type;
    std::vector<std::string> names;
    for (int id = field::AuctionId; id <= field::ShippingAddressLine5; ++id) {
        names.emplace_back(gb::itemdb::LotkeeperStrings().Get(id));
    }
    constexpr std::int32_t kListed = fee_type::Charge | fee_type::SellerFee | fee_type::DisplayOnly;
    for (bool more = schedule.MoveFirst(kListed); more; more = schedule.MoveNext(kListed)) {
        if (schedule.IsActive()) {
            names.push_back(schedule.GetName() + "*");
        }
    }
    return names;
}

std::string FieldToken(std::string_view name) {
    std::string token = "[";
    for (const char c : name) {
        token += c == ' ' || c == '&' ? '_' : c;
    }
    token += "] ";
    return token;
}

}  // namespace gb::editor
