#pragma once
// The item sheet's Shipping page: address, method, costs and date of the shipment.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

#include "app/core/sheet/ShipPageTexts.h"

namespace gb::app::ui::Ui {
class CInvShipPage;
}

namespace gb::app::ui {

class CInvSheet;

class CInvShipPage final : public widgets::PropertyPage {
    Q_OBJECT

public:
    explicit CInvShipPage(CInvSheet& sheet);
    ~CInvShipPage() override;

    void Load() override;
    std::optional<std::string> Store() override;

private:
    ShipPageTexts Texts() const;
    void ShipCostEdited();

    CInvSheet& sheet_;
    std::unique_ptr<Ui::CInvShipPage> ui_;
};

}  // namespace gb::app::ui
