#pragma once
// The bulk-update sheet's page "Categories": the profile's categories as a
// tree; a double-click adds the category to the sheet's template or takes it out.

#include "app/core/sheet/CategoryTree.h"
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
    void OnDoubleClicked(QTreeWidgetItem* row);

    CategoryTree tree_;
};

}  // namespace gb::app::ui
