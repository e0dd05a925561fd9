#pragma once
// The bulk-update sheet's page "Notes": writes into the sheet's template.

#include "app/dialogs/bulk/BulkPage.h"

namespace gb::app::ui::Ui {
class CAutoNotePage;
}

namespace gb::app::ui {

class CAutoNotePage final : public BulkPage<Ui::CAutoNotePage> {
    Q_OBJECT

public:
    CAutoNotePage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoNotePage() override;

    std::optional<std::string> Store() override;

private:
};

}  // namespace gb::app::ui
