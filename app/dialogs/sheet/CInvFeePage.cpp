#include "app/dialogs/sheet/CInvFeePage.h"

#include <algorithm>

#include "app/core/sheet/FeeList.h"
#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "app/dialogs/sheet/FeeListView.h"
#include "itemdb/FieldId.h"
#include "ui_CInvFeePage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace field = itemdb::field;

namespace {

// The insertion fee's list is shown sorted.
FieldValueCombo::ValueSource Sorted(FieldValueCombo::ValueSource source) {
    if (!source) {
        return {};
    }
    return [source = std::move(source)] {
        std::vector<std::string> values = source();
        std::sort(values.begin(), values.end());
        return values;
    };
}

}  // namespace

CInvFeePage::CInvFeePage(CInvSheet& sheet) : sheet_(sheet), ui_(new Ui::CInvFeePage) {
    ui_->setupUi(this);
    LimitTyping(*ui_->insertionFee, 20);
    LimitTyping(*ui_->finalFee, 20);
    LimitTyping(*ui_->otherFees, 20);
    LimitTyping(*ui_->feeNote, 200);
    ui_->insertionFee->SetValueSource(Sorted(sheet_.ValuesOf(field::InsertionFee)));
    ui_->finalFee->SetValueSource(sheet_.ValuesOf(field::FinalFee));
    ui_->otherFees->SetValueSource(sheet_.ValuesOf(field::OtherFees));

    const std::vector<FeeRow> rows = BuildFeeRows(sheet_.Fees(), sheet_.Item(), kFeeList);
    KeepFeeListColumnsSized(*ui_->fees);
    FillFeeList(*ui_->fees, kFeeList, rows);
    ui_->selected->setText(widgets::ToQt(SelectedText(CountChecked(rows))));
    connect(ui_->fees, &QTreeWidget::itemChanged, this, &CInvFeePage::RowChanged);
}

CInvFeePage::~CInvFeePage() = default;

void CInvFeePage::Load() {
    Show(FeePageTexts::Read(sheet_.Item()));
}

FeePageTexts CInvFeePage::Texts() const {
    return {Text(*ui_->insertionFee),   Text(*ui_->finalFee),  Text(*ui_->otherFees),
            Text(*ui_->transactionFee), Text(*ui_->totalFees), Text(*ui_->feeNote)};
}

void CInvFeePage::Show(const FeePageTexts& texts) {
    SetText(*ui_->insertionFee, texts.insertionFee);
    SetText(*ui_->finalFee, texts.finalFee);
    SetText(*ui_->otherFees, texts.otherFees);
    SetText(*ui_->transactionFee, texts.transactionFee);
    SetText(*ui_->totalFees, texts.totalFees);
    SetText(*ui_->feeNote, texts.feeNote);
}

void CInvFeePage::RowChanged() {
    FeePageTexts texts = Texts();
    const std::vector<int> checked = CheckedEntries(*ui_->fees);
    texts.RowsChanged(sheet_.Item(), sheet_.Fees(), checked);
    ui_->selected->setText(widgets::ToQt(SelectedText(static_cast<int>(checked.size()))));
    Show(texts);
}

std::optional<std::string> CInvFeePage::Store() {
    return Texts().Store(sheet_.Item());
}

}  // namespace gb::app::ui
