#include "app/ui/AddressBand.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QSizePolicy>

#include "app/core/UiStrings.h"
#include "app/core/web/WebCommands.h"
#include "itemdb/LotkeeperStrings.h"
#include "widgets/CHistoryCombo.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

namespace {

// The address box keeps the addresses entered last across starts.
constexpr const char* kAddressHistorySection = "WebSites";
constexpr int kAddressHistorySize = 10;

}  // namespace

AddressBand::AddressBand(IFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
    auto* addressLayout = new QHBoxLayout(this);
    addressLayout->setContentsMargins(4, 0, 4, 0);
    addressLayout->addWidget(new QLabel(ToQt(UiText(string_id::AddressLabel)), this));
    addressBox_ = new gb::widgets::CHistoryCombo(this);
    addressBox_->setObjectName(QStringLiteral("AddressBox"));
    addressBox_->SetSection(kAddressHistorySection, kAddressHistorySize);
    addressBox_->setMinimumWidth(200);
    connect(addressBox_->lineEdit(), &QLineEdit::returnPressed, this,
            &AddressBand::OnAddressEntered);
    // An address picked from the list loads at once.
    connect(addressBox_, &QComboBox::activated, this,
            [this] { frame_.ExecuteCommand(web_cmd::Go); });
    addressBox_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addressLayout->addWidget(addressBox_, 1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void AddressBand::SetAddress(std::string_view text, bool addToHistory) {
    addressBox_->AddText(ToQt(text), addToHistory);
}

std::string AddressBand::GetAddress() const {
    return gb::widgets::FromQt(addressBox_->GetCurrentText());
}

void AddressBand::OnAddressEntered() {
    if (frame_.ExecuteCommand(web_cmd::Go)) {
        SetAddress(GetAddress(), true);
    }
}

}  // namespace gb::app::ui
