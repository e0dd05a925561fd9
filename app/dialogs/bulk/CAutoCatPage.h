#pragma once
// The bulk-update sheet's page "Categories": writes into the sheet's template.

#include <memory>

#include "widgets/PropertyPage.h"

class QTreeWidgetItem;

namespace gb::app::ui::Ui {
class CAutoCatPage;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app {
class BulkTemplate;
}

namespace gb::app::ui {

struct BulkSheetSources;

class CAutoCatPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CAutoCatPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                 gb::widgets::ModalRunner& runner);
    ~CAutoCatPage() override;

    Ui::CAutoCatPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    void OnUpdateToggled();
    void OnDoubleClicked(QTreeWidgetItem* node);
    std::unique_ptr<Ui::CAutoCatPage> ui_;
    BulkTemplate& bulk_;
    const BulkSheetSources& sources_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
