#include "DefaultFeeSchedule.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/core/fees/FeeListOrder.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FieldId.h"

using namespace gb::itemdb;

namespace {

struct EntryDefinition {
    int number;
    std::string_view name;
    std::string_view description;
    std::int32_t type;
    std::string_view base;  // read in US English, the locale gbtool works in
    float factor = 0.0f;
    std::vector<int> fields = {};  // field IDs summed
    // Only display-only entries keep a symbol: the fee editor empties it for
    // the others, and an entry must come out of an untouched editor unchanged.
    std::string_view currencySymbol = "";
};

const EntryDefinition kEntries[] = {
    {.number = 0,
     .name = "Handling",
     .description = "Packing and handling, added to the buyer's invoice",
     .type = fee_type::Charge,
     .base = "1.00"},
    {.number = 1,
     // Named after one of the payment methods the installation lists, so that
     // choosing that method on an item gives this fee.
     .name = "PayPal Std",
     .description = "Payment service: 30 cents plus 2.9% of the invoice",
     .type = fee_type::TransactionFee,
     .base = "0.30",
     .factor = 0.029f,
     .fields = {field::InvoiceAmt}},
    {.number = 2,
     .name = "Gallery",
     .description = "Gallery picture on the listing",
     .type = fee_type::SellerFee,
     .base = "0.35"},
    {.number = 3,
     .name = "Euro Price",
     .description = "A price in euros: the winning bid, for buyers abroad",
     .type = fee_type::DisplayOnly,
     .base = "0",
     .factor = 0.92f,
     .fields = {field::MaxBid},
     .currencySymbol = "\x80"},  // the euro sign
};

}  // namespace

CFeeSchedule DefaultFeeSchedule() {
    CFeeSchedule schedule;
    for (const EntryDefinition& definition : kEntries) {
        schedule.SetCurrent(definition.number);
        schedule.SetName(definition.name);
        schedule.SetDescription(definition.description);
        schedule.SetType(definition.type);
        schedule.SetActive(true);
        schedule.SetBaseText(definition.base);
        schedule.SetFactor(definition.factor);
        schedule.ClearFields();
        for (const int fieldId : definition.fields) {
            schedule.AddField(ColumnSet::CodeOfField(fieldId));
        }
        schedule.SetCurrencySymbol(definition.currencySymbol);
    }
    // The display order the fee-schedule list gives on closing, so that
    // opening and closing the list changes nothing.
    std::vector<int> rows = gb::app::FeeRowsInDisplayOrder(schedule);
    gb::app::SortFeeRowsByTypeAndDescription(rows, schedule);
    gb::app::RenumberFeeRows(rows, schedule);
    schedule.SetCurrent(0);
    return schedule;
}
