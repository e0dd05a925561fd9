// Reads a fee schedule file and evaluates every entry for an item, as the item
// list does for its fee columns.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

CAucItem SampleItem() {
    CAucItem item;
    item.SetFieldText(field::MaxBid, "1234.56");
    item.SetFieldText(field::ShipCost, "7.5");
    item.SetFieldText(field::SHCharge, "9.95");
    item.SetFieldText(field::InsuranceCost, "2");
    item.SetFieldText(field::Weight, "3");
    return item;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CAucItem item = SampleItem();
    CFeeSchedule schedule;
    try {
        gb::Archive ar = gb::Archive::ForLoading(
            std::string(reinterpret_cast<const char*>(data), size), "AucField.fee");
        schedule.Serialize(ar);
    } catch (const gb::ArchiveException&) {
        // The entries read completely are kept, as when the program loads it.
    }
    schedule.SetItem(item);
    std::string text;
    for (bool more = schedule.MoveFirst(fee_type::Any); more;
         more = schedule.MoveNext(fee_type::Any)) {
        schedule.GetBaseText(text);
        schedule.Calculate(text);
    }
    for (int entry = 0; entry < CFeeSchedule::kEntryCount; ++entry) {
        schedule.CalculateEntry(entry, text);
    }
    schedule.CalcCharges(text);
    schedule.CalcFees(text);
    return 0;
}
