#pragma once
// The bulk-update sheet's page "Categories": writes into the sheet's template.

#include "app/dialogs/bulk/BulkPage.h"

class QTreeWidgetItem;

namespace gb::app::ui::Ui {
class CAutoCatPage;
}

namespace gb::app::ui {

class CAutoCatPage final : public BulkPage<Ui::CAutoCatPage> {
    Q_OBJECT

public:
    CAutoCatPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                 gb::widgets::ModalRunner& runner);
    ~CAutoCatPage() override;

    std::optional<std::string> Store() override;

private:
    void OnUpdateToggled();
    void OnDoubleClicked(QTreeWidgetItem* node);
};

}  // namespace gb::app::ui
