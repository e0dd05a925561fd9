#pragma once
// The item sheet's Charges page: the buyer charges of the fee schedule as a check-box list,
// itemized on the item, and the invoice they make.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

#include "app/core/sheet/ChargePageTexts.h"

namespace gb::app::ui::Ui {
class CInvChargePage;
}

namespace gb::app::ui {

class CInvSheet;

class CInvChargePage final : public widgets::PropertyPage {
    Q_OBJECT

public:
    explicit CInvChargePage(CInvSheet& sheet);
    ~CInvChargePage() override;

    void Load() override;
    std::optional<std::string> Store() override;

private:
    ChargePageTexts Texts() const;
    void Show(const ChargePageTexts& texts);
    void RowChanged();
    void OtherChargesEdited(const QString& text);

    CInvSheet& sheet_;
    std::unique_ptr<Ui::CInvChargePage> ui_;
};

}  // namespace gb::app::ui
