#pragma once
// The bulk-update sheet's page "Misc Fees": writes into the sheet's template.

#include "app/dialogs/bulk/BulkPage.h"

namespace gb::app::ui::Ui {
class CAutoMiscPage;
}

namespace gb::app::ui {

class CAutoMiscPage final : public BulkPage<Ui::CAutoMiscPage> {
    Q_OBJECT

public:
    CAutoMiscPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoMiscPage() override;

    std::optional<std::string> Store() override;

private:
    void ShowItemized(bool charges);
    void OnRowChanged(bool charges);
};

}  // namespace gb::app::ui
