#pragma once
// The bulk-update sheet's page "Shipping": writes into the sheet's template.

#include <memory>

#include "widgets/PropertyPage.h"

namespace gb::app::ui::Ui {
class CAutoShipPage;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app {
class BulkTemplate;
}

namespace gb::app::ui {

struct BulkSheetSources;

class CAutoShipPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CAutoShipPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoShipPage() override;

    Ui::CAutoShipPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    std::unique_ptr<Ui::CAutoShipPage> ui_;
    BulkTemplate& bulk_;
    const BulkSheetSources& sources_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
