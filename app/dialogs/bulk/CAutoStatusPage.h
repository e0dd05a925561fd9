#pragma once
// The bulk-update sheet's page "Item": writes into the sheet's template.

#include "app/dialogs/bulk/BulkPage.h"

namespace gb::app::ui::Ui {
class CAutoStatusPage;
}

namespace gb::app::ui {

class CAutoStatusPage final : public BulkPage<Ui::CAutoStatusPage> {
    Q_OBJECT

public:
    CAutoStatusPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                    gb::widgets::ModalRunner& runner);
    ~CAutoStatusPage() override;

    std::optional<std::string> Store() override;

private:
    void OnUpdateToggled();
};

}  // namespace gb::app::ui
