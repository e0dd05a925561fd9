#pragma once
// The bulk-update sheet's page "Cost": writes into the sheet's template.

#include "app/dialogs/bulk/BulkPage.h"

namespace gb::app::ui::Ui {
class CAutoCostPage;
}

namespace gb::app::ui {

class CAutoCostPage final : public BulkPage<Ui::CAutoCostPage> {
    Q_OBJECT

public:
    CAutoCostPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoCostPage() override;

    std::optional<std::string> Store() override;

private:
};

}  // namespace gb::app::ui
