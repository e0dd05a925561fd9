#pragma once
// The bulk-update sheet's page "Shipping": writes into the sheet's template.

#include "app/dialogs/bulk/BulkPage.h"

namespace gb::app::ui::Ui {
class CAutoShipPage;
}

namespace gb::app::ui {

class CAutoShipPage final : public BulkPage<Ui::CAutoShipPage> {
    Q_OBJECT

public:
    CAutoShipPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoShipPage() override;

    std::optional<std::string> Store() override;

private:
};

}  // namespace gb::app::ui
