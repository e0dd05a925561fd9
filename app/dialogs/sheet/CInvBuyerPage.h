#pragma once
// The item sheet's Invoice page: the buyer and the invoice, whose total follows the S&H Charge as
// it is typed.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

#include "app/core/sheet/InvoicePageTexts.h"

namespace gb::app::ui::Ui {
class CInvBuyerPage;
}

namespace gb::app::ui {

class CInvSheet;

class CInvBuyerPage final : public widgets::PropertyPage {
    Q_OBJECT

public:
    explicit CInvBuyerPage(CInvSheet& sheet);
    ~CInvBuyerPage() override;

    void Load() override;
    std::optional<std::string> Store() override;

private:
    InvoicePageTexts Texts() const;
    void SHChargeEdited(const QString& text);

    CInvSheet& sheet_;
    std::unique_ptr<Ui::CInvBuyerPage> ui_;
};

}  // namespace gb::app::ui
