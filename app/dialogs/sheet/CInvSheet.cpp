#include "app/dialogs/sheet/CInvSheet.h"

#include <QtGui/QGuiApplication>

#include "app/core/UiStrings.h"
#include "app/core/sheet/SheetTitle.h"
#include "app/dialogs/sheet/CInvBuyerPage.h"
#include "app/dialogs/sheet/CInvCategoryPage.h"
#include "app/dialogs/sheet/CInvChargePage.h"
#include "app/dialogs/sheet/CInvDescPage.h"
#include "app/dialogs/sheet/CInvFeePage.h"
#include "app/dialogs/sheet/CInvPayPage.h"
#include "app/dialogs/sheet/CInvShipPage.h"
#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

template <typename Page>
widgets::PropertySheet::PageFactory Factory(CInvSheet& sheet) {
    return [&sheet] { return std::make_unique<Page>(sheet); };
}

}  // namespace

CInvSheet::CInvSheet(widgets::ModalRunner& runner, QWidget* parent, const itemdb::CAucItem& item,
                     const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
                     ItemSheetServices services)
    : PropertySheet(runner, parent),
      runner_(runner),
      item_(item),
      fees_(fees),
      folders_(folders),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("CInvSheet"));
    setWindowTitle(widgets::ToQt(gb::app::UiText(string_id::EditItemCaption)));
    AddPage(QStringLiteral("Item"), Factory<CInvDescPage>(*this));
    AddPage(QStringLiteral("Invoice"), Factory<CInvBuyerPage>(*this));
    AddPage(QStringLiteral("Payment"), Factory<CInvPayPage>(*this));
    AddPage(QStringLiteral("Shipping"), Factory<CInvShipPage>(*this));
    AddPage(QStringLiteral("Charges"), Factory<CInvChargePage>(*this));
    AddPage(QStringLiteral("Fees"), Factory<CInvFeePage>(*this));
    AddPage(QStringLiteral("Categories"), Factory<CInvCategoryPage>(*this));
}

FieldValueCombo::ValueSource CInvSheet::ValuesOf(int fieldId) const {
    if (!services_.dropDownValues) {
        return {};
    }
    return [source = services_.dropDownValues, fieldId] { return source(fieldId); };
}

void CInvSheet::ShowMessage(const std::string& text) {
    widgets::ShowMessage(runner_, this,
                         {QGuiApplication::applicationDisplayName(), widgets::ToQt(text),
                          QMessageBox::Warning, QMessageBox::Ok});
}

void CInvSheet::InitSheet() {
    SetHeaderText(widgets::ToQt(SheetTitle(item_.GetDescription(), item_.GetAuctionId())));
}

}  // namespace gb::app::ui
