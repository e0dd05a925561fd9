#include "app/dialogs/sheet/CInvDescPage.h"

#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/EnterKey.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "itemdb/FieldId.h"
#include "ui_CInvDescPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace field = itemdb::field;

CInvDescPage::CInvDescPage(CInvSheet& sheet) : sheet_(sheet), ui_(new Ui::CInvDescPage) {
    ui_->setupUi(this);
    statuses_ = ItemStatusChoices(sheet_.Item(), sheet_.Folders());
    for (const StatusChoice& choice : statuses_) {
        ui_->status->addItem(widgets::ToQt(choice.name), choice.id);
    }
    LimitTyping(*ui_->description, 120);
    LetEnterAccept(*ui_->description);
    LimitTyping(*ui_->minBid, 20);
    LimitTyping(*ui_->itemCost, 20);
    LimitTyping(*ui_->reserveAmt, 10);
    LimitTyping(*ui_->feedback, 20);
    LimitTyping(*ui_->itemNote, 200);
    ui_->itemCost->SetValueSource(sheet_.ValuesOf(field::ItemCost));
    ui_->reserveAmt->SetValueSource(sheet_.ValuesOf(field::ReserveAmt));
    ui_->feedback->SetValueSource(sheet_.ValuesOf(field::Feedback));
}

CInvDescPage::~CInvDescPage() = default;

void CInvDescPage::Load() {
    const itemdb::CAucItem& item = sheet_.Item();
    ui_->status->setCurrentIndex(StatusChoiceIndex(statuses_, item.GetStatus()));
    const DescPageTexts texts = DescPageTexts::Read(item);
    SetText(*ui_->auctionId, texts.auctionId);
    SetText(*ui_->sellerId, texts.sellerId);
    SetText(*ui_->description, texts.description);
    SetText(*ui_->minBid, texts.minBid);
    SetText(*ui_->itemCost, texts.itemCost);
    SetText(*ui_->reserveAmt, texts.reserveAmt);
    SetText(*ui_->feedback, texts.feedback);
    SetText(*ui_->itemNote, texts.itemNote);
}

DescPageTexts CInvDescPage::Texts() const {
    return {Text(*ui_->auctionId), Text(*ui_->sellerId), Text(*ui_->description),
            Text(*ui_->minBid),    Text(*ui_->itemCost), Text(*ui_->reserveAmt),
            Text(*ui_->feedback),  Text(*ui_->itemNote)};
}

std::optional<std::string> CInvDescPage::Store() {
    const itemdb::CAucItem& item = sheet_.Item();
    const int selected = ui_->status->currentIndex();
    // The entry shown for the item's own status (the first one when the list
    // lacks it) keeps that status.
    const std::int32_t status = selected == StatusChoiceIndex(statuses_, item.GetStatus())
                                    ? item.GetStatus()
                                : selected >= 0 ? statuses_[selected].id
                                                : itemdb::folder::NeedsAttention;
    return Texts().Store(sheet_.Item(), status);
}

}  // namespace gb::app::ui
