#include "app/core/sheet/DescPageTexts.h"

#include <algorithm>

#include "app/core/UiStrings.h"
#include "app/core/sheet/MultiLineText.h"
#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"

namespace gb::app {

using itemdb::CAucItem;
namespace field = itemdb::field;
namespace folder = itemdb::folder;

std::vector<StatusChoice> ItemStatusChoices(const CAucItem& item, itemdb::CFolderTree& folders) {
    if (item.GetStatus() == folder::InProgress) {
        return {{folder::InProgress, gb::app::UiText(folder::InProgress)}};
    }
    return StatusChoices(folders);
}

int StatusChoiceIndex(const std::vector<StatusChoice>& choices, std::int32_t status) {
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [status](const StatusChoice& c) { return c.id == status; });
    return found == choices.end() ? 0 : static_cast<int>(found - choices.begin());
}

DescPageTexts DescPageTexts::Read(const CAucItem& item) {
    return {EditText(item, field::AuctionId),       EditText(item, field::SellerId),
            LinesForEditing(item.GetDescription()), EditText(item, field::MinBid),
            EditText(item, field::ItemCost),        EditText(item, field::ReserveAmt),
            EditText(item, field::Feedback),        EditText(item, field::ItemNote)};
}

std::optional<std::string> DescPageTexts::Store(CAucItem& item, std::int32_t status) const {
    item.SetDescription(LinesForStoring(description, item.GetDescription()));
    const FieldEdit note[] = {{field::ItemNote, itemNote}};
    StoreAll(item, note);
    const FieldEdit amounts[] = {
        {field::MinBid, minBid}, {field::ItemCost, itemCost}, {field::ReserveAmt, reserveAmt}};
    if (std::optional<std::string> refusal = StoreInOrder(item, amounts)) {
        return refusal;
    }
    item.SetStatus(status, false);
    item.SetFeedback(feedback);
    return std::nullopt;
}

}  // namespace gb::app
